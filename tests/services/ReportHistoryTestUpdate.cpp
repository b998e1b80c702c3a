#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <limits>

#include "ReportHistoryTestReports.h"

namespace quorvex {
namespace {

using test::described;
using test::expectRefused;
using test::numbered;
using test::sampleReport;

using ReportHistoryUpdateTest = test::HistoryFileTest;

constexpr int StoredItems = 10;

// The job as a run has it at its `step`-th update: every item differs from the stored one and
// from earlier steps; items 0, 3, 6 and 9 are not done; even items have lost no ranges.
SavedJob jobAtStep(const SavedJob& stored, int step) {
    SavedJob job = stored;
    for (int i = 0; i < StoredItems; ++i) {
        JobRecord& record = job.items[static_cast<std::size_t>(i)];
        record.item.FileName += "~" + std::to_string(step);
        record.item.CopiedBytes = record.item.StartPosition = 1000 * step + i;
        record.item.isDone = i % 3 != 0;
        record.damaged = record.ownsCopy = i % 2 == 1;
        record.link = !record.link;
        record.length = record.item.CopiedBytes + step;
        record.lost.clear();
        if (i % 2 == 1) record.lost = {{step, 10 + i}, {100 + i, 200 + step}};
    }
    return job;
}

// A head whose own job lies elsewhere (update must not read it), with the first `damagedFiles`
// of three damage records.
RunReport headAtStep(RunOutcome outcome, int step, std::size_t damagedFiles) {
    RunReport head = numbered(sampleReport("elsewhere" + std::to_string(step), 4), 2);
    head.startedAt = step;
    head.endedAt = 1'800'000'000 + step;
    head.task = step;
    head.outcome = outcome;
    head.Items_Count = StoredItems + step;
    head.TotalLostBytes = 77 * step;
    head.damaged.resize(3);
    head.damaged[2].source = "/media/run/file" + std::to_string(step);
    head.damaged[2].ranges = {{1, step}};
    head.damaged.resize(damagedFiles);
    return head;
}

TEST_F(ReportHistoryUpdateTest, UpdateWritesTheSummaryTheNamedItemsAndTheDamageOfOneRecord) {
    struct Step {
        const char* name;
        RunOutcome outcome;
        std::vector<std::size_t> changed;
        std::size_t damagedFiles;
        std::int32_t continuable;
    };
    const Step steps[] = {
        {"a few items in any order, one twice", RunOutcome::Running, {5, 2, 8, 5}, 3, 4},
        {"no item", RunOutcome::Paused, {}, 0, 4},
        {"one item", RunOutcome::Aborted, {9}, 1, 4},
        {"every item", RunOutcome::Completed, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, 2, 0}};
    RunReport stored = sampleReport("run", StoredItems);
    stored.outcome = RunOutcome::Running;
    const RunReport neighbour = sampleReport("neighbour", 5);
    ReportHistory history(path);
    history.append(neighbour);
    history.append(stored);
    history.append(neighbour);
    RunReport expected = numbered(stored, 2);

    for (int step = 1; const Step& s : steps) {
        SCOPED_TRACE(s.name);
        const RunReport head = headAtStep(s.outcome, step, s.damagedFiles);
        const SavedJob job = jobAtStep(stored.job, step++);

        history.update(head, job, s.changed);

        SavedJob expectedJob = expected.job;
        for (const std::size_t position : s.changed) {
            expectedJob.items[position] = job.items[position];
        }
        expected = head;
        expected.startedAt = stored.startedAt;
        expected.job = expectedJob;
        EXPECT_EQ(described(history.load(2)), described(expected));
        EXPECT_EQ(history.rows().at(1).continuable, s.continuable);
    }
    EXPECT_EQ(described(history.load(1)), described(numbered(neighbour, 1)));
    EXPECT_EQ(described(history.load(3)), described(numbered(neighbour, 3)));
}

TEST_F(ReportHistoryUpdateTest, AWriteToARecordOrItemThatIsNotThereChangesNothing) {
    ReportHistory history(path);
    const RunReport stored = sampleReport("stored", 6);
    history.append(stored);
    const RunReport head = numbered(stored, 1);
    const SavedJob longer = sampleReport("longer", 9).job;
    const SavedJob shorter = sampleReport("shorter", 4).job;
    constexpr std::size_t Far = std::numeric_limits<std::size_t>::max();
    struct Write {
        std::string problem;
        std::function<void()> action;
    };
    const Write writes[] = {
        {"no report number 0", [&] { history.replace(numbered(stored, 0)); }},
        {"no report number 2", [&] { history.replace(numbered(stored, 2)); }},
        {"no report number 2", [&] { history.update(numbered(stored, 2), stored.job, {}); }},
        {"no report number -1", [&] { history.update(numbered(stored, -1), stored.job, {0}); }},
        {"no item at position 6", [&] { history.update(head, longer, {1, 6}); }},
        {"no item at position " + std::to_string(Far), [&] { history.update(head, longer, {Far}); }},
        {"no item at position 4", [&] { history.update(head, shorter, {0, 4}); }}};
    const std::string before = bytes();

    for (const Write& write : writes) {
        SCOPED_TRACE(write.problem);
        expectRefused(path, write.problem, write.action);
        EXPECT_TRUE(bytes() == before) << "the history was changed";
        EXPECT_FALSE(anythingBeside());
    }
    EXPECT_EQ(described(history.load(1)), described(head));
}

}  // namespace
}  // namespace quorvex
