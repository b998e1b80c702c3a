#include <gmock/gmock.h>

#include <QDateTime>
#include <QLocale>
#include <filesystem>

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Transaction.h>

#include "HistoryError.h"
#include "ReportHistory.h"
#include "ReportHistoryTestReports.h"
#include "TemporaryFolder.h"

namespace quorvex {
namespace {

using test::described;
using test::numbered;
using test::sampleReport;
using ::testing::HasSubstr;

std::string localDate(std::int64_t seconds) {
    return QLocale()
        .toString(QDateTime::fromSecsSinceEpoch(seconds).date(), QLocale::ShortFormat)
        .toStdString();
}

std::string localTime(std::int64_t seconds) {
    return QLocale()
        .toString(QDateTime::fromSecsSinceEpoch(seconds).time(), QLocale::ShortFormat)
        .toStdString();
}

void expectNoReport(const ReportHistory& history, std::int64_t number) {
    try {
        history.load(number);
        ADD_FAILURE() << "report " << number << " was loaded";
    } catch (const HistoryError& error) {
        EXPECT_THAT(error.what(), HasSubstr("no report number " + std::to_string(number)));
        EXPECT_THAT(error.what(), HasSubstr(history.path()));
    }
}

TEST(ReportHistoryTest, AMissingFileIsAnEmptyHistoryUntilTheFirstReportMakesItAndItsFolder) {
    test::TemporaryFolder folder;
    const ReportHistory history(folder.file("data/Quorvex/reports.sir"));

    EXPECT_TRUE(history.rows().empty());
    expectNoReport(history, 1);
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

TEST(ReportHistoryTest, AJournalLeftWhereTheHistoryWasIsNotPlayedIntoANewOne) {
    test::TemporaryFolder folder;
    const std::string path = folder.file("reports.sir");
    for (const bool emptyFile : {false, true}) {
        SCOPED_TRACE(emptyFile ? "an empty file" : "no file");
        if (emptyFile) folder.write("reports.sir", "");
        leaveHotJournal(folder, path + "-journal");
        const RunReport report = sampleReport("new", 6);

        ReportHistory history(path);
        ASSERT_EQ(history.append(report), 1);

        EXPECT_EQ(described(ReportHistory(path).load(1)), described(numbered(report, 1)));
        ReportHistory::removeFile(path);
        ReportHistory::removeFile(folder.file("other.sir"));
    }
}

TEST(ReportHistoryTest, EveryValueOfAReportComesBackAsStored) {
    test::TemporaryFolder folder;
    ReportHistory history(folder.file("reports.sir"));
    const RunReport first = sampleReport("first", 7);
    RunReport second = sampleReport("second", 5);
    second.outcome = RunOutcome::Running;
    second.endedAt = 0;
    second.job.selected.clear();
    second.damaged.clear();

    ASSERT_EQ(history.append(first), 1);
    ASSERT_EQ(history.append(second), 2);

    EXPECT_EQ(described(history.load(1)), described(numbered(first, 1)));
    EXPECT_EQ(described(history.load(2)), described(numbered(second, 2)));
    expectNoReport(history, 3);
    expectNoReport(history, 0);
}

TEST(ReportHistoryTest, RowsHoldTheListColumnsOfEveryRecordInRecordOrder) {
    test::TemporaryFolder folder;
    ReportHistory history(folder.file("reports.sir"));
    RunReport paused = sampleReport("paused", 6);
    RunReport completed = sampleReport("completed", 5);
    completed.outcome = RunOutcome::Completed;
    completed.endedAt = 1'750'000'000;
    RunReport running = sampleReport("running", 4);
    running.outcome = RunOutcome::Running;
    running.endedAt = 0;
    for (const RunReport& report : {paused, completed, running}) history.append(report);

    const std::vector<HistoryRow> rows = history.rows();

    ASSERT_EQ(rows.size(), 3u);
    struct Expected {
        const RunReport& report;
        std::int64_t shownTime;
        std::int32_t continuable;
    };
    const Expected expected[] = {{paused, paused.endedAt, 2},
                                 {completed, completed.endedAt, 0},
                                 {running, running.startedAt, 2}};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(i);
        const HistoryRow& row = rows[i];
        const RunReport& report = expected[i].report;
        EXPECT_EQ(row.number, static_cast<std::int64_t>(i + 1));
        EXPECT_EQ(row.date, localDate(expected[i].shownTime));
        EXPECT_EQ(row.time, localTime(expected[i].shownTime));
        EXPECT_EQ(row.source, report.job.source);
        EXPECT_EQ(row.destination, report.job.destination);
        EXPECT_EQ(row.files, report.Items_Count);
        EXPECT_EQ(row.totalBytes, report.TotalCopiedBytes);
        EXPECT_EQ(row.badFiles, report.CorruptedFilesCount);
        EXPECT_EQ(row.lostBytes, report.TotalLostBytes);
        EXPECT_EQ(row.continuable, expected[i].continuable);
    }
}

TEST(ReportHistoryTest, ReplaceRewritesAllOfOneRecordAndNothingElse) {
    test::TemporaryFolder folder;
    ReportHistory history(folder.file("reports.sir"));
    const RunReport before = sampleReport("before", 8);
    const RunReport neighbour = sampleReport("neighbour", 5);
    history.append(before);
    history.append(neighbour);

    RunReport after = numbered(sampleReport("after", 4), 1);
    after.outcome = RunOutcome::Completed;
    for (JobRecord& record : after.job.items) record.item.isDone = true;
    after.job.items[2].lost = {{100, 199}};
    after.job.leftOut.clear();
    after.damaged.pop_back();
    history.replace(after);

    EXPECT_EQ(described(history.load(1)), described(after));
    EXPECT_EQ(described(history.load(2)), described(numbered(neighbour, 2)));
    ASSERT_EQ(history.rows().size(), 2u);
    EXPECT_EQ(history.rows()[0].continuable, 0);
    EXPECT_EQ(history.append(before), 3);
}

TEST(ReportHistoryTest, ReplacingARecordThatIsNotThereChangesNothing) {
    test::TemporaryFolder folder;
    ReportHistory history(folder.file("reports.sir"));
    history.append(sampleReport("kept", 4));
    const std::string bytes = folder.read("reports.sir");

    for (const std::int64_t number : {0, 2, -1}) {
        EXPECT_THROW(history.replace(numbered(sampleReport("stray", 4), number)), HistoryError);
    }
    EXPECT_TRUE(folder.read("reports.sir") == bytes) << "the history was changed";
    EXPECT_FALSE(std::filesystem::exists(folder.file("reports.sir-journal")));
}

}  // namespace
}  // namespace quorvex
