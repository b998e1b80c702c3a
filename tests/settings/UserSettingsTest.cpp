#include <QCoreApplication>
#include <QSettings>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>

#include "IniSettingsStore.h"
#include "TemporaryFolder.h"
#include "UserSettings.h"

namespace quorvex {
namespace {

// Each run gets a private home folder, set before anything asks where settings live.
test::TemporaryFolder* privateHome = nullptr;

class UserSettingsTest : public ::testing::Test {
protected:
    void SetUp() override { std::filesystem::remove_all(privateHome->file(".config")); }

    std::string settingsFile() const { return privateHome->file(".config/Quorvex/quorvex.ini"); }
    void writeSettingsFile(const std::string& content) const {
        std::filesystem::create_directories(privateHome->file(".config/Quorvex"));
        std::ofstream(settingsFile()) << content;
    }

    IniSettingsStore store;
    UserSettings settings{store};
};

TEST_F(UserSettingsTest, KeepsTheLanguageInTheUsersConfigurationFolder) {
    EXPECT_EQ(IniSettingsStore::defaultFilePath().toStdString(), settingsFile());
    EXPECT_EQ(settings.ReadUserSetting("lang"), "");
    EXPECT_EQ(settings.startLanguage(), 1) << "first run";

    settings.SaveUserSetting("3", "lang");
    EXPECT_EQ(settings.ReadUserSetting("lang"), "3");
    EXPECT_EQ(settings.startLanguage(), 3);

    UserSettings nextRun(store);
    EXPECT_EQ(nextRun.startLanguage(), 3);
    std::ifstream file(settingsFile());
    const std::string content(std::istreambuf_iterator<char>(file), {});
    EXPECT_NE(content.find("lang=3"), std::string::npos) << content;
}

TEST_F(UserSettingsTest, StoredLanguageNumbersOutsideTheRangeStartLanguageOne) {
    const std::pair<const char*, int> cases[] = {
        {"0", 1},  {"-3", 1}, {"abc", 1},  {"", 1},     {"99999", 1},
        {"3", 3},  {" 4", 4}, {"2.6", 3},  {"5x", 5},   {"1e1", 10}};
    for (const auto& [stored, expected] : cases) {
        settings.SaveUserSetting(stored, "lang");
        EXPECT_EQ(settings.startLanguage(), expected) << "stored \"" << stored << "\"";
    }
}

TEST_F(UserSettingsTest, ATextIsReadUpToItsFirstNul) {
    ASSERT_TRUE(store.writeString(UserSettings::KeyPath, "lang", std::string("2\0junk", 6)));
    EXPECT_EQ(settings.ReadUserSetting("lang"), "2");
    EXPECT_EQ(settings.startLanguage(), 2);
}

TEST_F(UserSettingsTest, AValueOfAnotherTypeReadsAsTheDefault) {
    for (const char* value : {"@ByteArray(3)", "@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x3)", "3, 4"}) {
        writeSettingsFile(std::string("[Software]\nQuorvex\\lang=") + value + "\n");
        EXPECT_EQ(settings.ReadUserSetting("lang"), "") << value;
        EXPECT_EQ(settings.startLanguage(), 1) << value;
    }
    writeSettingsFile("[Software]\nQuorvex\\lang=4\n");
    EXPECT_EQ(settings.startLanguage(), 4) << "a value written by hand in the file";
}

TEST_F(UserSettingsTest, AStoreThatCannotBeWrittenKeepsThePreviousValue) {
    const std::string blocker = privateHome->write("not-a-folder", "");
    IniSettingsStore blocked(QString::fromStdString(blocker + "/quorvex.ini"));
    UserSettings unwritable(blocked);
    unwritable.SaveUserSetting("2", "lang");
    EXPECT_EQ(unwritable.ReadUserSetting("lang"), "");
    EXPECT_EQ(unwritable.startLanguage(), 1);
}

}  // namespace
}  // namespace quorvex

int main(int argc, char** argv) {
    quorvex::test::TemporaryFolder home;
    quorvex::privateHome = &home;
    setenv("HOME", home.path().c_str(), 1);
    unsetenv("XDG_CONFIG_HOME");
    QCoreApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
