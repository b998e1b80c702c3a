#include "RescueLedger.h"

#include <algorithm>
#include <stdexcept>

#include "LostRanges.h"

namespace quorvex {

SavedJob RescueLedger::fresh(std::string source, std::string destination,
                             std::vector<std::string> selected, Selection selection) {
    SavedJob job{std::move(source),
                 std::move(destination),
                 std::move(selected),
                 std::move(selection.unreadFolders),
                 std::move(selection.leftOut),
                 selection.full,
                 {}};
    job.items.resize(selection.entries.size());
    for (std::size_t index = 0; index < selection.entries.size(); ++index)
        job.items[index].item.FileName = std::move(selection.entries[index]);
    return job;
}

std::int32_t RescueLedger::load(RecoveryJob& engineJob) { return loadInto(engineJob, false); }

std::int32_t RescueLedger::lend(RecoveryJob& engineJob) {
    const std::int32_t count = loadInto(engineJob, true);
    lentTo_ = &engineJob;
    return count;
}

std::int32_t RescueLedger::loadInto(RecoveryJob& engineJob, bool lendNames) {
    engineJob.clear();
    running_.clear();
    ownedCopies_.clear();
    const auto pending = static_cast<std::size_t>(std::count_if(
        job_.items.begin(), job_.items.end(), [](const JobRecord& record) { return !record.item.isDone; }));
    engineJob.reserve(pending);
    running_.reserve(pending);
    for (std::size_t index = 0; index < job_.items.size(); ++index) {
        JobRecord& record = job_.items[index];
        if (record.item.isDone) continue;
        if (record.ownsCopy) ownedCopies_.insert(job_.copyOf(record));
        JobItem item{{}, record.item.CopiedBytes, record.item.StartPosition, false};
        if (lendNames)
            item.FileName = std::move(record.item.FileName);
        else
            item.FileName = record.item.FileName;
        engineJob.append(std::move(item));
        running_.push_back(static_cast<std::uint32_t>(index));
    }
    return engineJob.size();
}

void RescueLedger::takeBack() {
    if (lentTo_ == nullptr) return;
    for (std::int32_t number = 1; number <= lentTo_->size(); ++number)
        recordOf(number).item.FileName = std::move(lentTo_->item(number).FileName);
    lentTo_ = nullptr;
}

std::string RescueLedger::copyOf(std::int32_t number) const {
    const std::string& name =
        lentTo_ != nullptr ? lentTo_->item(number).FileName : record(number).item.FileName;
    return job_.destination + name.substr(job_.source.size());
}

const SavedJob& RescueLedger::job() const {
    if (lentTo_ != nullptr) throw std::logic_error("the job's names are lent to a run");
    return job_;
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
