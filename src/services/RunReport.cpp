#include "RunReport.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>

namespace quorvex {

namespace {

SavedJob savedJobOf(const RecoveryState& state, const RecoveryJob& jobList,
                    const std::vector<DamageRecord>& damagedFiles) {
    SavedJob job;
    job.source = state.SourcePath;
    job.destination = state.DestinationPath;
    job.items.reserve(static_cast<std::size_t>(jobList.size()));
    for (std::int32_t number = 1; number <= jobList.size(); ++number) {
        JobRecord record;
        record.item = jobList.item(number);
        job.items.push_back(std::move(record));
    }
    std::unordered_map<std::string_view, JobRecord*> byPath;
    if (!damagedFiles.empty()) {
        for (JobRecord& record : job.items) byPath.emplace(record.item.FileName, &record);
    }
    for (const DamageRecord& damage : damagedFiles) {
        const auto found = byPath.find(damage.source);
        if (found == byPath.end()) continue;
        found->second->damaged = true;
        found->second->lost = damage.ranges;
    }
    return job;
}

}  // namespace

RunReport RunReport::fromRun(const RecoveryState& state, const RecoveryJob& jobList,
                             const std::vector<DamageRecord>& damagedFiles, std::int32_t task,
                             RunOutcome outcome, std::int64_t startedAt, std::int64_t endedAt) {
    RunReport report;
    report.startedAt = startedAt;
    report.endedAt = endedAt;
    report.task = task;
    report.outcome = outcome;
    report.Items_Count = state.Items_Count;
    report.ItemsNotCopied_Count = state.ItemsNotCopied_Count;
    report.CorruptedFilesCount = state.CorruptedFilesCount;
    report.FilesCopied = state.FilesCopied;
    report.ItemsFolders_Count = state.ItemsFolders_Count;
    report.CurrentFile = state.CurrentFile;
    report.TotalCopiedBytes = state.TotalCopiedBytes;
    report.TotalLostBytes = state.TotalLostBytes;
    report.job = savedJobOf(state, jobList, damagedFiles);
    report.damaged = damagedFiles;
    return report;
}

std::int32_t RunReport::continuableOf(RunOutcome outcome, const SavedJob& job) {
    if (outcome == RunOutcome::Completed) return 0;
    return static_cast<std::int32_t>(std::count_if(
        job.items.begin(), job.items.end(), [](const JobRecord& r) { return !r.item.isDone; }));
}

}  // namespace quorvex
