#include <gtest/gtest.h>

#include <filesystem>

#include "ErrorNumberOf.h"
#include "ReportHistory.h"
#include "ReportHistoryTestReports.h"
#include "ReportsMethods.h"
#include "ScriptedPrompts.h"
#include "TemporaryFolder.h"

namespace quorvex {
namespace {

TextTable mainTexts() {
    TextTable texts;
    for (std::size_t i = 0; i < texts.size(); ++i) texts[i] = "t" + std::to_string(i);
    return texts;
}

bool exists(const std::string& path) {
    return std::filesystem::exists(path);
}

TEST(ReportsMethodsTest, ClearingAsksFirstAndDeletesTheHistoryWithItsJournalsOnlyOnYes) {
    struct Case {
        const char* name;
        PromptAnswer answer;
        bool history;
        bool expected;
    };
    const Case cases[] = {{"no keeps the history", PromptAnswer::No, true, false},
                          {"yes deletes it", PromptAnswer::Yes, true, true},
                          {"yes without a history", PromptAnswer::Yes, false, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::TemporaryFolder folder;
        const std::string path = folder.file("reports.sir");
        if (c.history) ReportHistory(path).append(test::sampleReport("run", 4));
        const std::string history = folder.read("reports.sir");
        for (const char* suffix : {"-journal", "-wal", "-shm"}) {
            folder.write(std::string("reports.sir") + suffix, "stale");
        }
        test::ScriptedPrompts prompts;
        prompts.answerWith(c.answer);

        EXPECT_EQ(ReportsMethods::ClearReportHistory(prompts, mainTexts(), path), c.expected);

        ASSERT_EQ(prompts.shown().size(), 1u);
        EXPECT_EQ(prompts.shown()[0].icon, PromptIcon::Question);
        EXPECT_EQ(prompts.shown()[0].buttons, PromptButtons::YesNo);
        EXPECT_EQ(prompts.shown()[0].caption, "Quorvex");
        EXPECT_EQ(prompts.shown()[0].text, "t128");
        const bool kept = c.answer == PromptAnswer::No;
        EXPECT_EQ(exists(path), kept && c.history);
        if (kept) {
            EXPECT_TRUE(folder.read("reports.sir") == history) << "the history was changed";
        }
        EXPECT_EQ(exists(path + "-journal"), kept);
        EXPECT_EQ(exists(path + "-wal"), kept);
        EXPECT_EQ(exists(path + "-shm"), kept);
    }
}

TEST(ReportsMethodsTest, AClearedHistoryStartsAfresh) {
    test::TemporaryFolder folder;
    const std::string path = folder.file("reports.sir");
    ReportHistory history(path);
    history.append(test::sampleReport("one", 4));
    history.append(test::sampleReport("two", 4));
    test::ScriptedPrompts prompts;
    prompts.answerWith(PromptAnswer::Yes);

    ASSERT_TRUE(ReportsMethods::ClearReportHistory(prompts, mainTexts(), path));

    EXPECT_TRUE(history.rows().empty());
    EXPECT_EQ(history.append(test::sampleReport("three", 4)), 1);
    EXPECT_EQ(history.rows().size(), 1u);
}

TEST(ReportsMethodsTest, AHistoryThatCannotBeDeletedRaisesTheErrorTablesNumber) {
    test::TemporaryFolder folder;
    const std::string path = folder.file("reports.sir");
    std::filesystem::create_directories(path);
    test::ScriptedPrompts prompts;
    prompts.answerWith(PromptAnswer::Yes);

    EXPECT_EQ(test::errorNumberOf(
                  [&] { ReportsMethods::ClearReportHistory(prompts, mainTexts(), path); }),
              ErrorNumber::PathFileAccessError);
    EXPECT_TRUE(std::filesystem::is_directory(path));
}

TEST(ReportsMethodsTest, TheViewerReferenceQuotesThePathAndNamesTheRecord) {
    EXPECT_EQ(ReportsMethods::ViewerReference("/home/a b/reports.sir", 42),
              "\"/home/a b/reports.sir\"/[42,9]");
}

}  // namespace
}  // namespace quorvex
