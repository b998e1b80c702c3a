#include "HistoryKeeper.h"

#include <exception>

namespace quorvex {

HistoryKeeper::HistoryKeeper(ReportHistory& history, const SavedJob& job,
                             const std::string& destination, const MonotonicClock& clock,
                             std::function<RunReport()> head)
    : history_(history),
      job_(job),
      destination_(destination),
      clock_(clock),
      head_(std::move(head)),
      flushed_(clock.seconds()) {}

// Nothing here depends on data on the disk, but a transaction per file would cost a disk
// flush for every small file: it waits with the rest.
void HistoryKeeper::saveNow(std::size_t index, const JobRecord&) {
    waiting_.push_back(index);
}

void HistoryKeeper::saveSynced(std::size_t index, const JobRecord&) {
    waiting_.push_back(index);
    needsSync_ = true;
}

void HistoryKeeper::flushIfDue() {
    if (!waiting_.empty() && clock_.seconds() - flushed_ >= FlushSeconds) flush();
}

void HistoryKeeper::flushWith(const RunReport& head) {
    flushed_ = clock_.seconds();
    if (!problem_.empty()) return;
    if (needsSync_) {
        problem_ = destination_.sync();
        if (!problem_.empty()) return;
    }
    try {
        history_.update(head, job_, waiting_);
    } catch (const std::exception& error) {
        problem_ = error.what();
        return;
    }
    waiting_.clear();
    needsSync_ = false;
}

}  // namespace quorvex
