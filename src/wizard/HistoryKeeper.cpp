#include "HistoryKeeper.h"

#include <algorithm>
#include <chrono>
#include <exception>
#include <future>

namespace quorvex {

HistoryKeeper::HistoryKeeper(ReportHistory& history, const SavedJob& job,
                             const std::string& destination, const MonotonicClock& clock,
                             EventPump& events, std::function<RunReport()> head)
    : history_(history),
      job_(job),
      destination_(destination),
      clock_(clock),
      events_(events),
      head_(std::move(head)),
      flushed_(clock.seconds()) {}

// Nothing here depends on data on the disk, but a transaction per file would cost a disk
// flush for every small file: it waits with the rest.
void HistoryKeeper::saveNow(std::size_t index, const JobRecord&) {
    if (problem_.empty()) waiting_.push_back(index);
}

void HistoryKeeper::saveSynced(std::size_t index, const JobRecord&) {
    if (!problem_.empty()) return;
    waiting_.push_back(index);
    needsSync_ = true;
}

void HistoryKeeper::flushIfDue() {
    if (!waiting_.empty() && clock_.seconds() - flushed_ >= FlushSeconds) flush();
}

void HistoryKeeper::flushWith(const RunReport& head) {
    flushed_ = clock_.seconds();
    if (!problem_.empty()) return;
    // A file's start and end both name it; it is written once.
    std::ranges::sort(waiting_);
    waiting_.erase(std::ranges::unique(waiting_).begin(), waiting_.end());
    std::future<std::string> written = std::async(std::launch::async, [&] { return write(head); });
    while (written.wait_for(std::chrono::milliseconds(20)) != std::future_status::ready)
        events_.runPendingEvents();
    problem_ = written.get();
    if (!problem_.empty()) return;
    waiting_.clear();
    needsSync_ = false;
}

std::string HistoryKeeper::write(const RunReport& head) {
    if (needsSync_) {
        std::string problem = destination_.sync();
        if (!problem.empty()) return problem;
    }
    try {
        history_.update(head, job_, waiting_);
    } catch (const std::exception& error) {
        return error.what();
    }
    return {};
}

}  // namespace quorvex
