#include <gtest/gtest.h>

#include <filesystem>

#include "ErrorNumberOf.h"
#include "ReportHistoryTestReports.h"
#include "ReportsMethods.h"
#include "ScriptedPrompts.h"

namespace quorvex {
namespace {

TextTable mainTexts() {
    TextTable texts;
    for (std::size_t i = 0; i < texts.size(); ++i) texts[i] = "t" + std::to_string(i);
    return texts;
}

TEST(ReportsMethodsTest, ClearingAsksFirstAndOnYesDeletesTheHistoryWithItsJournals) {
    struct Case {
        const char* name;
        PromptAnswer answer;
        bool history;
        bool cleared;
    };
    const Case cases[] = {{"no keeps the history", PromptAnswer::No, true, false},
                          {"yes deletes it", PromptAnswer::Yes, true, true},
                          {"yes without a history", PromptAnswer::Yes, false, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::TemporaryFolder folder;
        const std::string path = folder.file("reports.sir");
        ReportHistory history(path);
        if (c.history) history.append(test::sampleReport("run", 4));
        const std::string bytes = folder.read("reports.sir");
        for (const char* suffix : {"-journal", "-wal", "-shm"}) {
            folder.write(std::string("reports.sir") + suffix, "stale");
        }
        test::ScriptedPrompts prompts;
        prompts.answerWith(c.answer);

        EXPECT_EQ(ReportsMethods::ClearReportHistory(prompts, mainTexts(), path), c.cleared);

        ASSERT_EQ(prompts.shown().size(), 1u);
        const auto& shown = prompts.shown()[0];
        EXPECT_EQ(shown.icon, PromptIcon::Question);
        EXPECT_EQ(shown.buttons, PromptButtons::YesNo);
        EXPECT_EQ(shown.caption + " " + shown.text, "Quorvex t128");
        const bool kept = c.answer == PromptAnswer::No;
        EXPECT_EQ(std::filesystem::exists(path), kept && c.history);
        EXPECT_TRUE(folder.read("reports.sir") == (kept ? bytes : "")) << "the history changed";
        for (const char* suffix : {"-journal", "-wal", "-shm"}) {
            EXPECT_EQ(std::filesystem::exists(path + suffix), kept) << suffix;
        }
        if (kept) continue;
        // A cleared history numbers its records from 1 again.
        EXPECT_EQ(history.append(test::sampleReport("next", 4)), 1);
        EXPECT_EQ(history.rows().size(), 1u);
    }
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

}  // namespace
}  // namespace quorvex
