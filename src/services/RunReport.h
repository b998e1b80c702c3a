#pragma once

#include <cstdint>
#include <vector>

#include "DamageRecord.h"
#include "RecoveryState.h"
#include "RunOutcome.h"
#include "SavedJob.h"

namespace quorvex {

// One recovery run as the report history keeps it: when it ran, how it ended, the figures of
// its summary, the whole job with every item's offsets and lost ranges (enough to continue
// it), and every damaged file.
struct RunReport {
    // The record number in the history; 0 before the report is stored.
    std::int64_t number = 0;
    // Seconds since the epoch.
    std::int64_t startedAt = 0;
    std::int64_t endedAt = 0;
    // The wizard task the run belonged to.
    std::int32_t task = 0;
    RunOutcome outcome = RunOutcome::Running;

    // The figures of the run's summary, as the recovery control left them.
    std::int32_t Items_Count = 0;
    std::int32_t ItemsNotCopied_Count = 0;
    std::int32_t CorruptedFilesCount = 0;
    std::int32_t FilesCopied = 0;
    std::int32_t ItemsFolders_Count = 0;
    std::int32_t CurrentFile = 0;
    std::int64_t TotalCopiedBytes = 0;
    std::int64_t TotalLostBytes = 0;

    SavedJob job;
    std::vector<DamageRecord> damaged;

    // The summary figures as the recovery control's state holds them.
    void takeFigures(const RecoveryState& state);

    // The number of items not done when the run can be continued (it was paused, aborted or
    // is still marked running); 0 for a completed run or one with nothing left to do.
    std::int32_t continuable() const { return continuableOf(outcome, job); }
    // The same count for a run of that outcome and job.
    static std::int32_t continuableOf(RunOutcome outcome, const SavedJob& job);
};

}  // namespace quorvex
