#include "RunReport.h"

#include <algorithm>

namespace quorvex {

void RunReport::takeFigures(const RecoveryState& state) {
    Items_Count = state.Items_Count;
    ItemsNotCopied_Count = state.ItemsNotCopied_Count;
    CorruptedFilesCount = state.CorruptedFilesCount;
    FilesCopied = state.FilesCopied;
    ItemsFolders_Count = state.ItemsFolders_Count;
    CurrentFile = state.CurrentFile;
    TotalCopiedBytes = state.TotalCopiedBytes;
    TotalLostBytes = state.TotalLostBytes;
}

std::int32_t RunReport::continuableOf(RunOutcome outcome, const SavedJob& job) {
    if (outcome == RunOutcome::Completed) return 0;
    return static_cast<std::int32_t>(std::count_if(
        job.items.begin(), job.items.end(), [](const JobRecord& r) { return !r.item.isDone; }));
}

}  // namespace quorvex
