#include "StoredReportRetry.h"

#include <stdexcept>

#include "DestinationSync.h"
#include "JobDamage.h"
#include "RescueTally.h"

namespace quorvex {

std::vector<LostRangeRetry::FileOutcome> StoredReportRetry::retry(ReportHistory& history,
                                                                  std::int64_t number,
                                                                  FileLayer& files,
                                                                  std::function<bool()> goOn) {
    RunReport report = history.load(number);
    SavedJob job = report.job;
    const std::vector<LostRangeRetry::FileOutcome> outcomes =
        LostRangeRetry(files, std::move(goOn)).retry(job);
    std::vector<std::size_t> changed;
    for (std::size_t index = 0; index < job.items.size(); ++index)
        if (job.items[index].lost != report.job.items[index].lost) changed.push_back(index);
    if (changed.empty()) return outcomes;
    // The record says bytes were copied only once they are on the disk.
    const std::string problem = DestinationSync(job.destination).sync();
    if (!problem.empty()) throw std::runtime_error(problem);
    report.damaged = JobDamage::of(job, report.damaged, {});
    const RescueTally tally = RescueTally::of(job);
    report.CorruptedFilesCount = static_cast<std::int32_t>(tally.damaged);
    report.TotalCopiedBytes = tally.bytesCopied;
    report.TotalLostBytes = tally.bytesLost;
    history.update(report, job, changed);
    return outcomes;
}

}  // namespace quorvex
