#include "RetryLostRun.h"

#include <stdexcept>

#include "DestinationSync.h"
#include "InterruptSignal.h"
#include "JobFile.h"
#include "JobLock.h"
#include "JobSaver.h"
#include "LostRangeRetry.h"
#include "LostRanges.h"
#include "PosixFileLayer.h"
#include "PosixSystemCalls.h"
#include "SizeToText.h"
#include "SteadyClock.h"
#include "UsageError.h"

namespace quorvex {

namespace {

std::string bytesText(std::int64_t bytes) {
    return std::to_string(bytes) + " bytes (" + SizeToText(static_cast<double>(bytes)) + ")";
}

std::string positions(const std::vector<ByteRange>& ranges) {
    std::string text;
    for (const ByteRange& range : ranges) {
        if (!text.empty()) text += ", ";
        text += std::to_string(range.start) + " - " + std::to_string(range.end);
    }
    return text;
}

}  // namespace

int RetryLostRun::run(const RescueArguments& arguments) {
    const JobFile jobFile(*arguments.jobFile);
    if (!jobFile.exists()) throw UsageError("there is no job file " + jobFile.path());
    jobFile.requireWritableFolder();
    const JobLock lock(jobFile.path());
    SavedJob job = jobFile.load();
    // Each file's narrowed ranges are kept once its copy is on the disk, within about a second,
    // so that a retry killed during the long reads of a failing drive keeps what it found in
    // the files it finished.
    const DestinationSync destination(job.destination);
    const SteadyClock clock;
    JobSaver saver(jobFile, destination, clock);
    saver.begin(job);
    PosixSystemCalls calls;
    PosixFileLayer files(calls);
    LostRangeRetry retry(files, [&saver] {
        saver.flushIfDue();
        return !InterruptSignal::raised();
    });
    retry.onFileStart([this](const std::string& source, std::int64_t lostBytes) {
        console_.note("Reading " + bytesText(lostBytes) + " of " + Console::printable(source) +
                      " again...");
    });
    retry.onFileEnd([&saver](std::size_t index, const JobRecord& record) {
        saver.saveSynced(index, record);
        saver.flushIfDue();
    });
    const std::vector<LostRangeRetry::FileOutcome> outcomes = retry.retry(job);
    saver.end(job);
    if (!saver.problem().empty())
        throw std::runtime_error("the job could not be saved: " + saver.problem());

    for (const LostRangeRetry::FileOutcome& outcome : outcomes) {
        const std::string path = Console::printable(outcome.source);
        const std::int64_t lost = LostRanges::bytes(outcome.stillLost);
        if (outcome.skipped == LostRangeRetry::Skipped::CopyChanged) {
            console_.result("not read again (its copy is gone or changed): " + path);
        } else if (outcome.skipped == LostRangeRetry::Skipped::SourceUnreadable) {
            console_.result("not read again (its source cannot be read): " + path);
        } else {
            console_.result((lost == 0 ? "whole now: " : "still damaged: ") + path);
            console_.result("  recovered " + bytesText(outcome.recovered));
        }
        if (lost > 0)
            console_.result("  lost " + bytesText(lost) + " at byte positions " +
                            positions(outcome.stillLost));
    }
    if (retry.stopped()) console_.result("Stopped: the files not reached keep their lost ranges.");
    const LostRangeRetry::Totals totals = LostRangeRetry::totalOf(outcomes);
    console_.result("Bytes recovered:    " + bytesText(totals.recovered));
    console_.result("Bytes still lost:   " + bytesText(totals.stillLost));
    return totals.stillLost == 0 ? 0 : 1;
}

}  // namespace quorvex
