#include <gtest/gtest.h>

#include <cstdint>
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

// A head whose own job and damaged files lie elsewhere (update must not read its job), with
// the first `damagedFiles` of its two damaged files.
RunReport headAtStep(RunOutcome outcome, int step, std::size_t damagedFiles) {
    RunReport head = numbered(sampleReport("elsewhere" + std::to_string(step), 4), 2);
    head.startedAt = step;
    head.endedAt = 1'800'000'000 + step;
    head.task = step;
    head.outcome = outcome;
    head.Items_Count = StoredItems + step;
    head.TotalLostBytes = 77 * step;
    head.damaged.resize(damagedFiles);
    return head;
}

// Update writes the summary, the named items and the damage of one record; replace writes all
// of it; neither touches the other records.
TEST_F(ReportHistoryUpdateTest, EachWriteBringsOneRecordUpToDateAndLeavesTheOthersAsTheyWere) {
    struct Step {
        const char* name;
        RunOutcome outcome;
        std::vector<std::size_t> changed;
        std::size_t damagedFiles;
        std::int32_t continuable;
        bool replace;
    };
    const Step steps[] = {
        {"a few items in any order, one twice", RunOutcome::Running, {5, 2, 8, 5}, 2, 4, false},
        {"no item", RunOutcome::Paused, {}, 0, 4, false},
        {"one item", RunOutcome::Aborted, {9}, 1, 4, false},
        {"every item", RunOutcome::Completed, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, 1, 0, false},
        {"replaced by a shorter job", RunOutcome::Paused, {}, 1, 2, true}};
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
        RunReport head = headAtStep(s.outcome, step, s.damagedFiles);
        const SavedJob job = jobAtStep(stored.job, step++);

        if (s.replace) {
            history.replace(head);
        } else {
            history.update(head, job, s.changed);
            head.startedAt = expected.startedAt;
            head.job = expected.job;
            for (const std::size_t position : s.changed) {
                head.job.items[position] = job.items[position];
            }
        }

        expected = head;
        EXPECT_EQ(described(history.load(2)), described(expected));
        EXPECT_EQ(history.rows().at(1).continuable, s.continuable);
    }
    EXPECT_EQ(described(history.load(1)), described(numbered(neighbour, 1)));
    EXPECT_EQ(described(history.load(3)), described(numbered(neighbour, 3)));
    EXPECT_EQ(history.append(neighbour), 4);
}

TEST_F(ReportHistoryUpdateTest, AWriteToARecordOrItemThatIsNotThereChangesNothing) {
    ReportHistory history(path);
    const RunReport stored = sampleReport("stored", 6);
    history.append(stored);
    const SavedJob longer = sampleReport("longer", 9).job;
    const SavedJob shorter = sampleReport("shorter", 4).job;
    constexpr std::size_t Far = std::numeric_limits<std::size_t>::max();
    // A whole replace when no job is given, else an update of the positions with that job.
    struct Write {
        std::string problem;
        std::int64_t number;
        const SavedJob* job;
        std::vector<std::size_t> changed;
    };
    const Write writes[] = {{"no report number 0", 0, nullptr, {}},
                            {"no report number 2", 2, nullptr, {}},
                            {"no report number 2", 2, &stored.job, {}},
                            {"no report number -1", -1, &stored.job, {0}},
                            {"no item at position 6", 1, &longer, {1, 6}},
                            {"no item at position " + std::to_string(Far), 1, &longer, {Far}},
                            {"no item at position 4", 1, &shorter, {0, 4}}};
    const std::string before = bytes();

    for (const Write& write : writes) {
        SCOPED_TRACE(write.problem);
        const RunReport head = numbered(stored, write.number);
        expectRefused(path, write.problem, [&] {
            write.job ? history.update(head, *write.job, write.changed) : history.replace(head);
        });
        EXPECT_TRUE(bytes() == before) << "the history was changed";
        EXPECT_FALSE(anythingBeside());
    }
}

}  // namespace
}  // namespace quorvex
