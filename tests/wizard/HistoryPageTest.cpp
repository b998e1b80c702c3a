#include <QPushButton>
#include <QTreeWidget>

#include "HistoryPage.h"
#include "LostPartsRetry.h"
#include "PagesRig.h"
#include "ReportHistory.h"

namespace quorvex::test {
namespace {

class HistoryPageTest : public PagesRig {
  protected:
    void store(std::int64_t copied, std::int64_t lost, RunOutcome outcome) {
        RunReport report;
        report.startedAt = report.endedAt = 1700000000;
        report.outcome = outcome;
        report.Items_Count = 3;
        report.ItemsNotCopied_Count = outcome == RunOutcome::Completed ? 0 : 2;
        report.CorruptedFilesCount = 1;
        report.TotalCopiedBytes = copied;
        report.TotalLostBytes = lost;
        report.job.source = root() + "data/";
        report.job.destination = root() + "out/";
        for (const char* name : {"a.bin", "b.bin"}) {
            JobRecord record;
            record.item.FileName = root() + "data/" + name;
            report.job.items.push_back(record);
        }
        ReportHistory(services.historyPath).append(report);
    }
    QStringList row(int number, std::initializer_list<int> columns) {
        QStringList texts;
        for (int column : columns) texts << page.list().topLevelItem(number)->text(column);
        return texts;
    }

    HistoryPage page{services, flow};
};

TEST_F(HistoryPageTest, ListsEveryStoredRunWithItsSizesAndHiddenNumbers) {
    store(6 * 1024 * 1024, 16384, RunOutcome::Completed);
    store(100, 0, RunOutcome::Aborted);
    page.showHistory();

    ASSERT_EQ(page.list().topLevelItemCount(), 2);
    EXPECT_EQ(row(0, {2, 3, 4, 5, 6, 7, 8}), QStringList({QString::fromStdString(root() + "data/"),
                                                          QString::fromStdString(root() + "out/"),
                                                          "3", "6 Mb", "1", "16 Kb", "1"}));
    EXPECT_EQ(row(1, {5, 7, 8}), QStringList({"100 b", "0 b", "2"}));
    EXPECT_EQ(row(0, {9}), QStringList({"0"}));
    EXPECT_EQ(row(1, {9}), QStringList({"2"}));
    EXPECT_FALSE(row(0, {0}).front().isEmpty());
    EXPECT_TRUE(page.list().isColumnHidden(8) && page.list().isColumnHidden(9));
    EXPECT_FALSE(page.list().isColumnHidden(7));
    EXPECT_EQ(messages(), std::vector<std::string>{});
}

TEST_F(HistoryPageTest, AHistoryNotOursIsToldOnceAndLeftAsItWas) {
    store(100, 0, RunOutcome::Completed);
    page.showHistory();
    data.write("reports.sir", "a file of another program");
    page.showHistory();

    EXPECT_EQ(page.list().topLevelItemCount(), 0);
    EXPECT_EQ(prompts.shown().size(), 1u);
    EXPECT_EQ(data.read("reports.sir"), "a file of another program");
}

TEST_F(HistoryPageTest, ClearingGoesBackToTheMenuOnlyWhenTheHistoryWasDeleted) {
    store(100, 0, RunOutcome::Completed);
    page.showHistory();
    flow.state.CurrentPage = 7;
    auto* clear = page.findChild<QPushButton*>("ClearHistory");

    prompts.answerWith(PromptAnswer::No);
    clear->click();
    EXPECT_EQ(page.list().topLevelItemCount(), 1);
    EXPECT_EQ(flow.state.CurrentPage, 7);

    prompts.answerWith(PromptAnswer::Yes);
    clear->click();
    EXPECT_EQ(page.list().topLevelItemCount(), 0);
    EXPECT_EQ(flow.log, (std::vector<std::string>{"move -7", "captions"}));
    EXPECT_EQ(flow.state.CurrentPage, 0);
    EXPECT_FALSE(std::filesystem::exists(services.historyPath));
}

// A stored run whose lost range reads now: the button reads that range again, the copy takes
// its bytes, the message tells what came back, and the list shows the run with nothing lost.
TEST_F(HistoryPageTest, ReadingTheLostPartsAgainFillsTheCopyAndTheListTellsIt) {
    std::string bytes(20000, '\0');
    for (std::size_t index = 0; index < bytes.size(); ++index)
        bytes[index] = static_cast<char>('a' + index % 23);
    put("data/a.bin", bytes);
    std::string copy = bytes;
    copy.replace(8192, 8192, 8192, '\0');
    put("out/a.bin", copy);
    RunReport report;
    report.startedAt = report.endedAt = 1700000000;
    report.outcome = RunOutcome::Completed;
    report.Items_Count = report.FilesCopied = report.CorruptedFilesCount = 1;
    report.TotalCopiedBytes = 20000 - 8192;
    report.TotalLostBytes = 8192;
    report.job.source = root() + "data/";
    report.job.destination = root() + "out/";
    JobRecord record;
    record.item = {root() + "data/a.bin", 20000, 0, true};
    record.lost = {{8193, 16384}};
    record.damaged = true;
    record.length = 20000;
    report.job.items.push_back(record);
    ReportHistory(services.historyPath).append(report);
    page.showHistory();
    auto* retry = page.findChild<QPushButton*>("RetryLost");
    EXPECT_FALSE(retry->isEnabled());
    page.list().topLevelItem(0)->setSelected(true);
    emit page.list().itemClicked(page.list().topLevelItem(0), 0);
    ASSERT_TRUE(retry->isEnabled());

    retry->click();
    EXPECT_TRUE(tree.read("out/a.bin") == bytes);
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0], LostPartsRetry::outcomeText(state.Lang_RPText,
                                                         {{root() + "data/a.bin", 8192, {}}},
                                                         false));
    EXPECT_NE(messages()[0].find("8 Kb"), std::string::npos);
    EXPECT_EQ(row(0, {7}), QStringList({"0 b"}));
}

}  // namespace
}  // namespace quorvex::test
