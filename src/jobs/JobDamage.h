#pragma once

#include <vector>

#include "DamageRecord.h"
#include "SavedJob.h"

namespace quorvex {

// The damaged files of a job over all its runs: one record per damaged item, in the job's
// order, with the item's lost ranges as the job keeps them, so that a range lost by an earlier
// run and one found by the latest run are both listed and no byte counts twice.
class JobDamage {
  public:
    // `found` are the latest run's records, `earlier` those of the runs before; a file's
    // newest record gives its sizes and dates.
    static std::vector<DamageRecord> of(const SavedJob& job,
                                        const std::vector<DamageRecord>& earlier,
                                        const std::vector<DamageRecord>& found);

  private:
    static DamageRecord withRanges(DamageRecord record, const std::vector<ByteRange>& ranges);
};

}  // namespace quorvex
