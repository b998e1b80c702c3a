#include <gtest/gtest.h>

#include "LanguageTableSource.h"
#include "Languages.h"
#include "Main.h"
#include "MemorySettingsStore.h"
#include "PosixFileLayer.h"
#include "PosixSystemCalls.h"
#include "ScriptedPrompts.h"
#include "TemporaryFolder.h"
#include "WizardHost.h"

namespace quorvex {
namespace {

// Starts the program as it starts for real, from a fresh working folder, with the shipped
// language files installed beside it.
class WizardStartTest : public ::testing::Test {
protected:
    WizardStartTest() : previousFolder(std::filesystem::current_path()) {
        std::filesystem::current_path(workingFolder.path());
    }
    ~WizardStartTest() override { std::filesystem::current_path(previousFolder); }

    bool start() { return Main(state, files, prompts, host).run(); }

    std::string expectedTitle(int language) {
        const auto rows = test::readLanguageTable(QUORVEX_LANGUAGE_SOURCES "qvx_light_131.tsv");
        return rows.at(1)[language - 1] + " v1.32 " + rows.at(3)[language - 1];
    }
    std::string title() const { return host.wizard()->windowTitle().toStdString(); }

    std::filesystem::path previousFolder;
    test::TemporaryFolder workingFolder;
    PosixSystemCalls calls;
    PosixFileLayer files{calls};
    test::MemorySettingsStore store;
    UserSettings settings{store};
    test::ScriptedPrompts prompts;
    SharedState state;
    Languages languages{files, settings, state,
                        QUORVEX_BUILD_DATA_DIR};
    WizardHost host{[this] { return std::make_unique<Wizard>(state, languages, settings); }};
};

TEST_F(WizardStartTest, OpensInTheStoredLanguage) {
    store.values["Software\\Quorvex/lang"] = "2";
    ASSERT_TRUE(start());
    ASSERT_NE(host.wizard(), nullptr);
    EXPECT_TRUE(host.wizard()->isVisible());
    EXPECT_EQ(title(), expectedTitle(2));
    EXPECT_NE(title(), expectedTitle(1));
    EXPECT_EQ(store.language(), "2");
    EXPECT_TRUE(prompts.shown().empty());
}

}  // namespace
}  // namespace quorvex
