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
    const DestinationSync destination(job.destination);
    LostRangeRetry retry(files, std::move(goOn));
    retry.onFileEnd([&](std::size_t index, const JobRecord& record) {
        if (record.lost != report.job.items[index].lost)
            store(history, report, job, index, destination);
    });
    return retry.retry(job);
}

// The record says bytes were copied only once they are on the disk.
void StoredReportRetry::store(ReportHistory& history, RunReport& report, const SavedJob& job,
                              std::size_t index, const DestinationSync& destination) {
    const std::string problem = destination.sync();
    if (!problem.empty()) throw std::runtime_error(problem);
    report.damaged = JobDamage::of(job, report.damaged, {});
    const RescueTally tally = RescueTally::of(job);
    report.CorruptedFilesCount = static_cast<std::int32_t>(tally.damaged);
    report.TotalCopiedBytes = tally.bytesCopied;
    report.TotalLostBytes = tally.bytesLost;
    history.update(report, job, {index});
    report.job.items[index] = job.items[index];
}

}  // namespace quorvex
