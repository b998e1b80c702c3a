#include <gtest/gtest.h>

#include "RunReport.h"

namespace quorvex {
namespace {

struct FinishedRun {
    RecoveryState state;
    RecoveryJob job;
    std::vector<DamageRecord> damaged;
};

// A run over a folder and three files: the first copied whole, the second damaged and done,
// the third stopped part way with a damaged range; a damage record of a file the job does not
// list (as a kept copy's) goes only to the damaged files.
FinishedRun finishedRun() {
    FinishedRun run;
    run.state.SourcePath = "/media/cd/";
    run.state.DestinationPath = "/home/user/cd/";
    run.state.Items_Count = 4;
    run.state.ItemsNotCopied_Count = 1;
    run.state.CorruptedFilesCount = 2;
    run.state.FilesCopied = 2;
    run.state.ItemsFolders_Count = 1;
    run.state.CurrentFile = 4;
    run.state.TotalCopiedBytes = 30'000;
    run.state.TotalLostBytes = 6'000;
    run.job.append({"\t/media/cd/folder/", 0, 0, true});
    run.job.append({"/media/cd/folder/whole", 10'000, 0, true});
    run.job.append({"/media/cd/folder/damaged", 12'000, 0, true});
    run.job.append({"/media/cd/folder/stopped", 8'000, 8'000, false});
    DamageRecord damaged;
    damaged.source = "/media/cd/folder/damaged";
    damaged.ranges = {{1, 2048}, {4097, 6144}};
    DamageRecord stopped;
    stopped.source = "/media/cd/folder/stopped";
    stopped.ranges = {{10, 2009}};
    DamageRecord elsewhere;
    elsewhere.source = "/media/cd/not-in-the-job";
    elsewhere.ranges = {{1, 1}};
    run.damaged = {damaged, stopped, elsewhere};
    return run;
}

TEST(RunReportTest, FromRunKeepsTheFiguresTheJobAndEveryDamagedFile) {
    const FinishedRun run = finishedRun();

    const RunReport report =
        RunReport::fromRun(run.state, run.job, run.damaged, 3, RunOutcome::Aborted, 1'000, 2'000);

    EXPECT_EQ(report.number, 0);
    EXPECT_EQ(report.startedAt, 1'000);
    EXPECT_EQ(report.endedAt, 2'000);
    EXPECT_EQ(report.task, 3);
    EXPECT_EQ(report.outcome, RunOutcome::Aborted);
    EXPECT_EQ(report.Items_Count, 4);
    EXPECT_EQ(report.ItemsNotCopied_Count, 1);
    EXPECT_EQ(report.CorruptedFilesCount, 2);
    EXPECT_EQ(report.FilesCopied, 2);
    EXPECT_EQ(report.ItemsFolders_Count, 1);
    EXPECT_EQ(report.CurrentFile, 4);
    EXPECT_EQ(report.TotalCopiedBytes, 30'000);
    EXPECT_EQ(report.TotalLostBytes, 6'000);
    EXPECT_EQ(report.job.source, "/media/cd/");
    EXPECT_EQ(report.job.destination, "/home/user/cd/");
    ASSERT_EQ(report.damaged.size(), 3u);
    EXPECT_EQ(report.damaged[2].source, "/media/cd/not-in-the-job");

    struct Expected {
        std::string name;
        std::int64_t copied;
        std::int64_t start;
        bool done;
        std::vector<ByteRange> lost;
    };
    const std::vector<Expected> expected{
        {"\t/media/cd/folder/", 0, 0, true, {}},
        {"/media/cd/folder/whole", 10'000, 0, true, {}},
        {"/media/cd/folder/damaged", 12'000, 0, true, {{1, 2048}, {4097, 6144}}},
        {"/media/cd/folder/stopped", 8'000, 8'000, false, {{10, 2009}}}};
    ASSERT_EQ(report.job.items.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(expected[i].name);
        const JobRecord& record = report.job.items[i];
        EXPECT_EQ(record.item.FileName, expected[i].name);
        EXPECT_EQ(record.item.CopiedBytes, expected[i].copied);
        EXPECT_EQ(record.item.StartPosition, expected[i].start);
        EXPECT_EQ(record.item.isDone, expected[i].done);
        EXPECT_EQ(record.lost, expected[i].lost);
        EXPECT_EQ(record.damaged, !expected[i].lost.empty());
    }
}

TEST(RunReportTest, OnlyARunThatDidNotCompleteCanBeContinued) {
    const FinishedRun run = finishedRun();
    const RecoveryJob nothing;
    RecoveryJob allDone;
    allDone.append({"/media/cd/one", 5, 0, true});
    struct Case {
        RunOutcome outcome;
        const RecoveryJob& job;
        std::int32_t continuable;
    };
    const Case cases[] = {{RunOutcome::Paused, run.job, 1},  {RunOutcome::Aborted, run.job, 1},
                          {RunOutcome::Running, run.job, 1}, {RunOutcome::Completed, run.job, 0},
                          {RunOutcome::Paused, allDone, 0},  {RunOutcome::Running, nothing, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.outcome));
        const RunReport report = RunReport::fromRun(run.state, c.job, {}, 0, c.outcome, 0, 0);
        EXPECT_EQ(report.continuable(), c.continuable);
    }
}

}  // namespace
}  // namespace quorvex
