#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <fstream>
#include <thread>

#include "ErrorNumberOf.h"
#include "FaultySystemCalls.h"
#include "Languages.h"
#include "MemorySettingsStore.h"
#include "PosixFileLayer.h"
#include "RunTimeError.h"
#include "TemporaryFolder.h"

namespace quorvex {
namespace {

const std::string kPilcrow = "\xC2\xB6";

// Writes a language file from its entries, joined by pilcrows.
std::string languageFile(const std::vector<std::string>& entries) {
    std::string text;
    for (std::size_t i = 0; i < entries.size(); ++i) text += (i == 0 ? "" : kPilcrow) + entries[i];
    return text;
}

class RecordingView final : public LanguageView {
public:
    void showMainTexts(const SharedState& state) override {
        calls.push_back("main:" + Languages::MainWindowTitle(state.Lang_MainText));
    }
    std::vector<std::string> calls;
};

class LanguagesTest : public ::testing::Test {
protected:
    LanguagesTest() { state.ProgramPath = programFolder.path(); }

    int loadErrorNumber(const std::string& name, std::int16_t language, int rowShift = 0) {
        return test::errorNumberOf(
            [&] { languages.LoadLanguageFile(name, language, table, rowShift); });
    }

    test::TemporaryFolder programFolder;
    test::TemporaryFolder installedFolder;
    test::FaultySystemCalls calls;
    PosixFileLayer files{calls};
    test::MemorySettingsStore store;
    UserSettings settings{store};
    SharedState state;
    Languages languages{files, settings, state, installedFolder.path()};
    TextTable table{};
    RecordingView view;
};

TEST_F(LanguagesTest, TableIndexesFollowTheRowShift) {
    programFolder.write("t.txt", languageFile({"first", "second", "third|troisième"}));
    table[149] = "untouched";
    languages.LoadLanguageFile("t.txt", 1, table, 0);
    EXPECT_EQ(table[0], "second") << "row shift 0 starts at the second entry";
    EXPECT_EQ(table[1], "third");
    EXPECT_EQ(table[2], "");
    EXPECT_EQ(table[149], "untouched") << "loading fills indexes 0..148 only";

    languages.LoadLanguageFile("t.txt", 2, table, 1);
    EXPECT_EQ(table[0], "") << "the first entry has no second language";
    EXPECT_EQ(table[2], "troisième");
}

TEST_F(LanguagesTest, AMissingFileGivesEmptyTextsAndIsNotCreated) {
    table[0] = "old";
    languages.LoadLanguageFile("absent.txt", 1, table, 0);
    EXPECT_EQ(table[0], "");
    EXPECT_FALSE(files.exists(programFolder.file("absent.txt")));
    EXPECT_FALSE(files.exists(installedFolder.file("absent.txt")));
}

TEST_F(LanguagesTest, TheProgramFolderComesBeforeTheInstalledDataFolder) {
    installedFolder.write("t.txt", languageFile({"", "installed"}));
    languages.LoadLanguageFile("t.txt", 1, table, 0);
    EXPECT_EQ(table[0], "installed");
    programFolder.write("t.txt", languageFile({"", "local"}));
    languages.LoadLanguageFile("t.txt", 1, table, 0);
    EXPECT_EQ(table[0], "local");
}

// Without a file in either folder the texts come from the copy built into the program, the same
// bytes as the packed files; a file that is found but holds no entries is a load error and the
// built-in copy does not hide it.
TEST_F(LanguagesTest, WithoutFilesInEitherFolderTheBuiltInCopyFillsTheTables) {
    test::FaultySystemCalls shippedCalls;
    PosixFileLayer shippedFiles{shippedCalls};
    SharedState shippedState;
    Languages shipped{shippedFiles, settings, shippedState, QUORVEX_BUILD_DATA_DIR, false};
    const std::pair<const char*, int> files[] = {
        {Languages::MainFile, 0}, {Languages::RecoveryFile, 0}, {Languages::BrowserFile, 1}};
    for (const auto& [name, rowShift] : files) {
        for (std::int16_t language = 1; language <= 4; ++language) {
            TextTable expected{};
            shipped.LoadLanguageFile(name, language, expected, rowShift);
            ASSERT_FALSE(expected[1].empty()) << name;
            languages.LoadLanguageFile(name, language, table, rowShift);
            EXPECT_EQ(table, expected) << name << ", language " << language;
        }
    }

    for (const std::string& notLanguageTexts : {std::string(), std::string("\x89PNG\r\n|x")}) {
        installedFolder.write(Languages::MainFile, notLanguageTexts);
        EXPECT_EQ(loadErrorNumber(Languages::MainFile, 1), ErrorNumber::PathFileAccessError);
    }
}

TEST_F(LanguagesTest, AByteOrderMarkIsNotPartOfTheFirstEntry) {
    programFolder.write("t.txt", "\xEF\xBB\xBF" + languageFile({"bom", "after"}));
    languages.LoadLanguageFile("t.txt", 1, table, 1);
    EXPECT_EQ(table[0], "bom") << "a byte-order mark is not part of the first entry";
}

// A file that is not UTF-8 is read as Windows-1252. Only well-formed UTF-8 is taken as UTF-8: a
// surrogate, a code point above U+10FFFF, an overlong form or a sequence cut off at the end make
// the whole file Windows-1252.
TEST_F(LanguagesTest, MalformedUtf8AnywhereMakesTheWholeFileWindows1252) {
    const std::pair<std::string, std::string> cases[] = {
        {"caf\xe9 \x80 \x93ok\x94", "café € “ok”"},
        {"emoji \xF0\x9F\x98\x80", "emoji \xF0\x9F\x98\x80"},
        {"cut \xF0\x9F\x98", "cut \xC3\xB0\xC5\xB8\xCB\x9C"},
        {"caf\xC3", "caf\xC3\x83"},
        {"\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xE2\x82\xAC"},
        {"\xF4\x90\x80\x80", "\xC3\xB4\xC2\x90\xE2\x82\xAC\xE2\x82\xAC"},
        {"\xC0\xAF", "\xC3\x80\xC2\xAF"},
        {"\xD0\xB0 \xFF", "\xC3\x90\xC2\xB0 \xC3\xBF"},
    };
    for (const auto& [bytes, text] : cases) {
        programFolder.write("t.txt", languageFile({"", bytes}));
        languages.LoadLanguageFile("t.txt", 1, table, 0);
        EXPECT_EQ(table[0], text) << bytes;
    }
}

TEST_F(LanguagesTest, AnUnreadableFileRaisesItsErrorNumberAndIsClosed) {
    const std::string path = programFolder.write("t.txt", languageFile({"", "x"}));
    calls.script("open", test::Fault::error(EACCES));
    EXPECT_EQ(loadErrorNumber("t.txt", 1), ErrorNumber::PermissionDenied);
    calls.script("pread", test::Fault::error(EIO));
    EXPECT_EQ(loadErrorNumber("t.txt", 1), ErrorNumber::PathFileAccessError);
    EXPECT_EQ(loadErrorNumber("t.txt", 1), 0) << "the failed read left no file open";
}

bool makeSparse(const std::string& path, std::int64_t length) {
    std::ofstream{path};
    return truncate(path.c_str(), length) == 0;
}

// Whatever is found under a language file's name, nothing waits for a writer and nothing
// larger than a language file is read or allocated.
TEST_F(LanguagesTest, WhatIsNoLanguageFileIsALoadErrorWithoutBeingRead) {
    const std::string big = programFolder.file("big.txt");
    ASSERT_TRUE(makeSparse(big, 30LL << 30));
    ASSERT_TRUE(makeSparse(programFolder.file("over.txt"), (4 << 20) + 1));
    ASSERT_EQ(mkfifo(programFolder.file("pipe.txt").c_str(), 0600), 0);
    std::filesystem::create_symlink("/dev/zero", programFolder.file("zero.txt"));
    std::filesystem::create_directory(programFolder.file("folder.txt"));
    // A reader that waits for the pipe's writer is let go after two seconds, so that a hang
    // fails the test instead of stopping it.
    std::atomic<bool> finished = false;
    std::thread writer([&] {
        for (int wait = 0; wait < 200 && !finished; ++wait)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        const int pipe = open(programFolder.file("pipe.txt").c_str(), O_WRONLY | O_NONBLOCK);
        if (pipe >= 0) close(pipe);
    });
    for (const char* name : {"big.txt", "over.txt", "pipe.txt", "zero.txt", "folder.txt"})
        EXPECT_EQ(loadErrorNumber(name, 1), ErrorNumber::PathFileAccessError) << name;
    finished = true;
    writer.join();
    EXPECT_EQ(calls.calls("pread"), 0);

    try {
        languages.LoadLanguageFile("big.txt", 1, table, 0);
        ADD_FAILURE() << "a file of 30 GiB was loaded";
    } catch (const RunTimeError& error) {
        EXPECT_EQ(std::string(error.what()),
                  "Path/File access error: " + big +
                      " holds 32212254720 bytes, more than a language file can hold (4 MiB)");
    }
    const std::string limit = programFolder.write("limit.txt", languageFile({"", "x"}));
    ASSERT_EQ(truncate(limit.c_str(), 4 << 20), 0);
    EXPECT_EQ(loadErrorNumber("limit.txt", 1), 0) << "a file of 4 MiB is read";
}

TEST_F(LanguagesTest, BadLanguageNumbersAndWideEntriesAreSubscriptErrors) {
    programFolder.write("t.txt", languageFile({"", "a|b"}));
    EXPECT_EQ(loadErrorNumber("t.txt", 21), ErrorNumber::SubscriptOutOfRange);
    EXPECT_EQ(loadErrorNumber("t.txt", -1), ErrorNumber::SubscriptOutOfRange);
    EXPECT_EQ(loadErrorNumber("t.txt", 1, 3), ErrorNumber::SubscriptOutOfRange);
    programFolder.write("t.txt", languageFile({"", std::string(21, '|') + "x"}));
    EXPECT_EQ(loadErrorNumber("t.txt", 1), ErrorNumber::SubscriptOutOfRange);
}

TEST_F(LanguagesTest, ApplyingALanguageLoadsShowsAndStoresIt) {
    programFolder.write(Languages::MainFile,
                        languageFile({"unused", "0|204", "Quorvex|Кворвекс", "old|old",
                                      "rescue|спасение"}));
    programFolder.write(Languages::RecoveryFile, languageFile({"unused", "Copying|Копирование"}));
    std::int16_t language = 2;
    languages.ApplyLanguage(language, view);

    EXPECT_EQ(state.CurrentLanguage, 2);
    EXPECT_EQ(state.LangFontCharSet, 204);
    EXPECT_EQ(state.Lang_MainText[2], "v1.32");
    EXPECT_EQ(store.language(), "2");
    EXPECT_EQ(view.calls, std::vector<std::string>{"main:Кворвекс v1.32 спасение"});
    EXPECT_EQ(state.Lang_RPText[0], "Копирование");
}

TEST_F(LanguagesTest, ALanguageOutsideOneToFiveFallsBackToOne) {
    programFolder.write(Languages::MainFile, languageFile({"", "x|y", "English|Русский"}));
    std::int16_t language = 7;
    languages.ApplyLanguage(language, view);
    EXPECT_EQ(language, 1) << "the caller's variable is corrected";
    EXPECT_EQ(state.CurrentLanguage, 7) << "the request is kept as it was";
    EXPECT_EQ(state.Lang_MainText[1], "English");
    EXPECT_EQ(state.LangFontCharSet, 0) << "non-numeric character set";
    EXPECT_EQ(store.language(), "1");
}

TEST_F(LanguagesTest, FirstRunWithoutFilesStoresTheLanguageAndShowsTheBuiltInTexts) {
    std::int16_t language = settings.startLanguage();
    languages.ApplyLanguage(language, view);
    EXPECT_EQ(store.language(), "1");
    EXPECT_EQ(state.LangFontCharSet, 0);
    EXPECT_EQ(view.calls.front(), "main:Quorvex v1.32 Data Rescue");
}

TEST_F(LanguagesTest, AFailingMainFileStopsBeforeAnythingIsShown) {
    std::filesystem::create_directory(programFolder.file(Languages::MainFile));
    std::int16_t language = 1;
    EXPECT_THROW(languages.ApplyLanguage(language, view), RunTimeError);
    EXPECT_TRUE(view.calls.empty());
    EXPECT_EQ(store.language(), "<none>");
}

}  // namespace
}  // namespace quorvex
