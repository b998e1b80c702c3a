#pragma once

#include <cstdint>
#include <string>
#include <unordered_set>
#include <vector>

#include "DamageRecord.h"
#include "NameEntry.h"
#include "RecoveryJob.h"
#include "SavedJob.h"
#include "Selection.h"

namespace quorvex {

// The whole job of a rescue across its runs. A run gets the items still to do, with their
// resume offsets; as each file starts, reaches an offset and ends, the ledger takes over what
// the run reached and keeps the lost ranges of every file, also those found by earlier runs.
// Numbers are the 1-based item numbers of the run's job list.
class RescueLedger {
  public:
    explicit RescueLedger(SavedJob job) : job_(std::move(job)) {}

    // A job not run yet: every entry of the walk, from the source root to the destination root.
    static SavedJob fresh(std::string source, std::string destination,
                          std::vector<std::string> selected, Selection selection);

    // Appends the items not done yet to the engine's list; returns how many.
    std::int32_t load(RecoveryJob& engineJob);
    // Loads as load() does, but the engine's list gets the ledger's own names instead of copies
    // (a job of a million items would hold every name twice). Until takeBack(), which the
    // list must outlive, the ledger reads those names from the list, the records of the items
    // lent have no names, and job() raises std::logic_error.
    std::int32_t lend(RecoveryJob& engineJob);
    void takeBack();
    // True when the name is the destination of an item whose partial copy this job made.
    bool ownsCopyAt(const std::string& destination) const {
        return ownedCopies_.contains(destination);
    }

    // The item's copy begins; `nameFree` tells that nothing had its name in the destination.
    // True when the item now owns what will be there, which is worth saving at once.
    bool started(std::int32_t number, bool nameFree);
    // Every byte before `offset` is on the disk, and these are the ranges lost so far.
    void reached(std::int32_t number, std::int64_t offset, const std::vector<ByteRange>& found);
    // The engine's outcome of the item, its damage record if it made one, and what the
    // destination holds under the item's name now.
    void ended(std::int32_t number, const JobItem& result, const DamageRecord* damage,
               const NameEntry& copy);

    // The 0-based place of the run's item in the job.
    std::size_t indexOf(std::int32_t number) const {
        return running_.at(static_cast<std::size_t>(number - 1));
    }
    // The run's item as the job has it; without its name while the names are lent.
    const JobRecord& record(std::int32_t number) const { return job_.items[indexOf(number)]; }
    // Where the run's item is copied to.
    std::string copyOf(std::int32_t number) const;
    const SavedJob& job() const;

  private:
    std::int32_t loadInto(RecoveryJob& engineJob, bool lendNames);
    // The lost ranges of a copy that found `found` in this run: added to what earlier runs
    // lost before the resume offset, or alone for a copy that began at the first byte.
    std::vector<ByteRange> lostWith(const std::vector<ByteRange>& found, bool anew) const;
    JobRecord& recordOf(std::int32_t number) { return job_.items[indexOf(number)]; }

    SavedJob job_;
    // The place in the job of each of the run's items (a job holds at most a million).
    std::vector<std::uint32_t> running_;
    // The engine's list that holds the names of the run's items, while they are lent.
    RecoveryJob* lentTo_ = nullptr;
    std::unordered_set<std::string> ownedCopies_;
    // The running item as the run found it.
    JobRecord base_;
};

}  // namespace quorvex
