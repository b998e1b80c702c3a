#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "DestinationSync.h"
#include "EventPump.h"
#include "JobKeeper.h"
#include "MonotonicClock.h"
#include "ReportHistory.h"

namespace quorvex {

// Keeps a window's run in its record of the report history while it goes on, so that a
// program killed at any moment leaves a run the history page can continue. Changed items wait
// and are written together at most about once a second, in one transaction with the record's
// figures; when any of them counts bytes as copied, the destination's file system is flushed
// first. Flushing a slow destination can take seconds, so the writing runs on a thread of its
// own while the window's events go on. A history that fails stops the keeping, and the run
// goes on.
class HistoryKeeper final : public JobKeeper {
  public:
    static constexpr double FlushSeconds = 1.0;

    // `head` gives the record's summary as it stands (figures, outcome, damaged files);
    // `job` is the job the items are taken from. The record numbered head().number must exist.
    HistoryKeeper(ReportHistory& history, const SavedJob& job, const std::string& destination,
                  const MonotonicClock& clock, EventPump& events, std::function<RunReport()> head);

    void saveNow(std::size_t index, const JobRecord& record) override;
    void saveSynced(std::size_t index, const JobRecord& record) override;
    void flushIfDue() override;
    void flush() override { flushWith(head_()); }
    // Flushes the destination and writes what waits with this summary: the run's last word.
    void flushWith(const RunReport& head);

    const std::string& problem() const override { return problem_; }
    const std::string& path() const override { return history_.path(); }

  private:
    // Flushes the destination when needed and writes what waits; the problem in words.
    std::string write(const RunReport& head);

    ReportHistory& history_;
    const SavedJob& job_;
    DestinationSync destination_;
    const MonotonicClock& clock_;
    EventPump& events_;
    std::function<RunReport()> head_;
    std::vector<std::size_t> waiting_;
    bool needsSync_ = false;
    double flushed_;
    std::string problem_;
};

}  // namespace quorvex
