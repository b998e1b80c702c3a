#include <gtest/gtest.h>

#include <QDateTime>
#include <QLocale>
#include <cstdint>

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Transaction.h>

#include "ReportHistoryTestReports.h"

namespace quorvex {
namespace {

using test::described;
using test::expectRefused;
using test::numbered;
using test::sampleReport;

using ReportHistoryTest = test::HistoryFileTest;

// The row a report should have in the history's list: its number, the date and time shown in
// the user's locale, the roots, the figures and the continuable count.
std::string expectedRow(const RunReport& report, std::int64_t shownTime, std::int32_t continuable) {
    const QDateTime when = QDateTime::fromSecsSinceEpoch(shownTime);
    return test::fields(
        {}, report.number, QLocale().toString(when.date(), QLocale::ShortFormat).toStdString(),
        QLocale().toString(when.time(), QLocale::ShortFormat).toStdString(), report.job.source,
        report.job.destination, report.Items_Count, report.TotalCopiedBytes,
        report.CorruptedFilesCount, report.TotalLostBytes, continuable);
}

TEST(ReportHistoryFolderTest, AMissingFileIsAnEmptyHistoryUntilTheFirstReportMakesItAndItsFolder) {
    test::TemporaryFolder folder;
    const ReportHistory history(folder.file("data/Quorvex/reports.sir"));

    EXPECT_TRUE(history.rows().empty());
    expectRefused(history.path(), "no report number 1", [&] { history.load(1); });
    EXPECT_FALSE(std::filesystem::exists(folder.file("data")));

    ReportHistory writer(history.path());
    EXPECT_EQ(writer.append(sampleReport("first", 6)), 1);
    EXPECT_EQ(writer.append(sampleReport("second", 4)), 2);
    EXPECT_EQ(history.rows().size(), 2u);
}

// Leaves at `journal` the hot journal of a history that was being rewritten when its writer
// died: copied while the writer is in the middle of a transaction that spilled to the file.
void leaveHotJournal(const test::TemporaryFolder& folder, const std::string& journal) {
    const std::string other = folder.file("other.sir");
    ReportHistory(other).append(sampleReport("other", 3000));
    SQLite::Database db(other, SQLite::OPEN_READWRITE);
    db.exec("PRAGMA cache_size = 2");
    SQLite::Transaction transaction(db);
    db.exec("DELETE FROM job_items");
    std::filesystem::copy_file(other + "-journal", journal);
}

TEST_F(ReportHistoryTest, AJournalLeftWhereTheHistoryWasIsNotPlayedIntoANewOne) {
    for (const bool emptyFile : {false, true}) {
        SCOPED_TRACE(emptyFile ? "an empty file" : "no file");
        if (emptyFile) folder.write("reports.sir", "");
        leaveHotJournal(folder, path + "-journal");
        const RunReport report = sampleReport("new", 6);

        ASSERT_EQ(ReportHistory(path).append(report), 1);

        EXPECT_EQ(described(ReportHistory(path).load(1)), described(numbered(report, 1)));
        ReportHistory::removeFile(path);
        ReportHistory::removeFile(folder.file("other.sir"));
    }
}

TEST_F(ReportHistoryTest, EveryValueOfEveryReportComesBackAndItsRowShowsTheListColumns) {
    RunReport paused = sampleReport("paused", 7);
    RunReport completed = sampleReport("completed", 5);
    completed.outcome = RunOutcome::Completed;
    completed.endedAt = 1'750'000'000;
    RunReport running = sampleReport("running", 4);
    running.outcome = RunOutcome::Running;
    running.endedAt = 0;
    running.job.selected.clear();
    running.damaged.clear();
    struct Expected {
        const RunReport& report;
        std::int64_t shownTime;
        std::int32_t continuable;
    };
    const Expected expected[] = {{paused, paused.endedAt, 2},
                                 {completed, completed.endedAt, 0},
                                 {running, running.startedAt, 2}};
    ReportHistory history(path);
    for (const Expected& e : expected) history.append(e.report);

    const std::vector<HistoryRow> rows = history.rows();

    ASSERT_EQ(rows.size(), 3u);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const HistoryRow& row = rows[i];
        const RunReport report = numbered(expected[i].report, static_cast<std::int64_t>(i + 1));
        EXPECT_EQ(described(history.load(report.number)), described(report));
        EXPECT_EQ(
            test::fields({}, row.number, row.date, row.time, row.source, row.destination, row.files,
                         row.totalBytes, row.badFiles, row.lostBytes, row.continuable),
            expectedRow(report, expected[i].shownTime, expected[i].continuable));
    }
    for (const std::int64_t missing : {0, 4}) {
        expectRefused(path, "no report number " + std::to_string(missing),
                      [&] { history.load(missing); });
    }
}

}  // namespace
}  // namespace quorvex
