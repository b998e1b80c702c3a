#include "RescueLedger.h"

#include <sys/stat.h>

#include <algorithm>
#include <unordered_map>

#include "UsageError.h"

namespace quorvex {

SavedJob RescueLedger::fresh(const RescueRoots& roots, std::vector<std::string> selected,
                             const Selection& selection) {
    SavedJob job{roots.source,        roots.destination,
                 std::move(selected), selection.unreadFolders,
                 selection.full,      {}};
    job.items.reserve(selection.entries.size());
    for (const std::string& entry : selection.entries) job.items.push_back({{entry}, false, {}});
    return job;
}

void RescueLedger::requireMatch(const SavedJob& job, const RescueRoots& roots,
                                const std::vector<std::string>& selected) {
    if (job.source != roots.source || job.destination != roots.destination)
        throw UsageError("the job file belongs to a rescue from " + job.source + " to " +
                         job.destination);
    if (job.selected != selected)
        throw UsageError("the job file was made for other items of " + job.source);
    for (const JobRecord& record : job.items) {
        const std::string& name = record.item.FileName;
        if (!name.substr(record.item.isFolder() ? 1 : 0).starts_with(roots.source))
            throw UsageError("the job file names an item outside " + roots.source);
    }
}

std::vector<std::string> RescueLedger::dropLostResumePoints() {
    std::vector<std::string> restarted;
    for (JobRecord& record : job_.items) {
        JobItem& item = record.item;
        if (item.isDone || item.isFolder() || item.StartPosition == 0) continue;
        const std::string copy = job_.destination + item.FileName.substr(job_.source.size());
        struct stat status {};
        if (stat(copy.c_str(), &status) == 0 && status.st_size >= item.StartPosition) continue;
        item.StartPosition = item.CopiedBytes = 0;
        record.lost.clear();
        record.damaged = false;
        restarted.push_back(item.FileName);
    }
    return restarted;
}

std::int32_t RescueLedger::load(RecoveryJob& engineJob) {
    engineJob.clear();
    running_.clear();
    for (std::size_t index = 0; index < job_.items.size(); ++index) {
        if (job_.items[index].item.isDone) continue;
        engineJob.append(job_.items[index].item);
        running_.push_back(index);
    }
    return engineJob.size();
}

void RescueLedger::settle(const RecoveryJob& engineJob, std::int32_t reached,
                          const std::vector<DamageRecord>& records) {
    reached = std::clamp(reached, 0, static_cast<std::int32_t>(running_.size()));
    std::unordered_map<std::string, std::size_t> byName;
    for (std::int32_t number = 1; number <= reached; ++number) {
        JobRecord& record = job_.items[running_[static_cast<std::size_t>(number - 1)]];
        const JobItem& result = engineJob.item(number);
        // A file copied anew from its start replaces what earlier runs lost of it.
        if (record.item.StartPosition == 0 && (result.isDone || result.CopiedBytes > 0)) {
            record.lost.clear();
            record.damaged = false;
        }
        record.item = result;
        byName.emplace(result.FileName, running_[static_cast<std::size_t>(number - 1)]);
    }
    for (const DamageRecord& damage : records)
        if (const auto found = byName.find(damage.source); found != byName.end())
            takeDamage(job_.items[found->second], damage);
}

void RescueLedger::takeDamage(JobRecord& record, const DamageRecord& damage) {
    for (const ByteRange& range : damage.ranges) {
        if (!record.lost.empty() && range.start <= record.lost.back().end + 1)
            record.lost.back().end = std::max(record.lost.back().end, range.end);
        else
            record.lost.push_back(range);
    }
    record.damaged = record.damaged || !damage.ranges.empty() || record.item.isDone;
}

}  // namespace quorvex
