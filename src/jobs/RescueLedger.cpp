#include "RescueLedger.h"

#include <algorithm>

#include "LostRanges.h"

namespace quorvex {

SavedJob RescueLedger::fresh(std::string source, std::string destination,
                             std::vector<std::string> selected, const Selection& selection) {
    SavedJob job{std::move(source),
                 std::move(destination),
                 std::move(selected),
                 selection.unreadFolders,
                 selection.leftOut,
                 selection.full,
                 {}};
    job.items.reserve(selection.entries.size());
    for (const std::string& entry : selection.entries) {
        JobRecord record;
        record.item.FileName = entry;
        job.items.push_back(std::move(record));
    }
    return job;
}

std::int32_t RescueLedger::load(RecoveryJob& engineJob) {
    engineJob.clear();
    running_.clear();
    ownedCopies_.clear();
    const auto pending = static_cast<std::size_t>(std::count_if(
        job_.items.begin(), job_.items.end(), [](const JobRecord& record) { return !record.item.isDone; }));
    engineJob.reserve(pending);
    running_.reserve(pending);
    for (std::size_t index = 0; index < job_.items.size(); ++index) {
        const JobRecord& record = job_.items[index];
        if (record.item.isDone) continue;
        engineJob.append(record.item);
        running_.push_back(index);
        if (record.ownsCopy) ownedCopies_.insert(job_.copyOf(record));
    }
    return engineJob.size();
}

bool RescueLedger::started(std::int32_t number, bool nameFree) {
    JobRecord& record = recordOf(number);
    base_ = record;
    if (!nameFree || record.ownsCopy) return false;
    record.ownsCopy = true;
    return true;
}

void RescueLedger::reached(std::int32_t number, std::int64_t offset,
                           const std::vector<ByteRange>& found) {
    JobRecord& record = recordOf(number);
    record.lost = LostRanges::within(lostWith(found, offset < base_.item.StartPosition), offset);
    record.item.StartPosition = record.item.CopiedBytes = offset;
    record.damaged = !record.lost.empty();
}

// A done file no longer resumes and owns no partial copy; its copy may end in lost bytes,
// which count as reached. A file not done resumes where it reached, or where it was to start
// when it failed before reading anything; lost ranges past that are found again.
void RescueLedger::ended(std::int32_t number, const JobItem& result, const DamageRecord* damage,
                         const NameEntry& copy) {
    JobRecord& record = recordOf(number);
    const std::vector<ByteRange> found =
        damage != nullptr ? damage->ranges : std::vector<ByteRange>{};
    const bool anew = base_.item.StartPosition == 0 || result.StartPosition == 0;
    record.item.isDone = result.isDone;
    if (result.isDone) {
        record.lost = lostWith(found, anew);
        record.item.CopiedBytes =
            std::max(result.CopiedBytes, record.lost.empty() ? 0 : record.lost.back().end);
        record.item.StartPosition = 0;
        record.damaged = !record.lost.empty() || damage != nullptr;
        record.ownsCopy = false;
        record.link = copy.kind == NameEntry::Kind::Link;
        record.length = copy.length;
        return;
    }
    const std::int64_t resume = result.CopiedBytes > 0 ? result.CopiedBytes : result.StartPosition;
    record.lost = LostRanges::within(lostWith(found, anew), resume);
    record.item.StartPosition = record.item.CopiedBytes = resume;
    record.damaged = !record.lost.empty();
    record.link = false;
    record.length = 0;
}

std::vector<ByteRange> RescueLedger::lostWith(const std::vector<ByteRange>& found,
                                              bool anew) const {
    if (anew) return LostRanges::merged({}, found);
    return LostRanges::merged(base_.lost, found);
}

}  // namespace quorvex
