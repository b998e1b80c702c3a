#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "DamageRecord.h"
#include "RecoveryJob.h"
#include "RescueRoots.h"
#include "SavedJob.h"
#include "Selection.h"

namespace quorvex {

// The whole job of a rescue across its runs. A run gets the items still to do, with their
// resume offsets; afterwards the ledger takes back what the run reached and keeps the lost
// ranges of every file, also those found by earlier runs.
class RescueLedger {
  public:
    explicit RescueLedger(SavedJob job) : job_(std::move(job)) {}

    static SavedJob fresh(const RescueRoots& roots, std::vector<std::string> selected,
                          const Selection& selection);
    // UsageError unless the saved job was made for these roots and items.
    static void requireMatch(const SavedJob& job, const RescueRoots& roots,
                             const std::vector<std::string>& selected);

    // An interrupted file continues only into its own partial copy: when that copy is gone or
    // shorter than the offset, the file starts over. Returns the files that start over.
    std::vector<std::string> dropLostResumePoints();
    // Appends the items not done yet to the engine's list; returns how many.
    std::int32_t load(RecoveryJob& engineJob);
    // Takes back the first `reached` items of the run and the run's damage records.
    void settle(const RecoveryJob& engineJob, std::int32_t reached,
                const std::vector<DamageRecord>& records);

    const SavedJob& job() const { return job_; }

  private:
    void takeDamage(JobRecord& record, const DamageRecord& damage);

    SavedJob job_;
    std::vector<std::size_t> running_;
};

}  // namespace quorvex
