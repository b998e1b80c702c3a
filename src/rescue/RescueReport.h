#pragma once

#include <optional>
#include <string>

#include "Console.h"
#include "RescueTally.h"
#include "SavedJob.h"

namespace quorvex {

// The end of a rescue: what was stopped, not saved, not copied, not read or left out, the
// closing figures, and the exit status: 0 when every file came through whole, 1 otherwise.
class RescueReport {
  public:
    struct Ending {
        bool interrupted = false;
        // The job file, when one was named.
        std::optional<std::string> jobFile;
        // Why the job could not be saved or the destination not flushed to its disk, if so.
        std::string problem;
    };

    explicit RescueReport(Console& console) : console_(console) {}

    int close(const SavedJob& job, const Ending& ending);

  private:
    void notCopied(const JobItem& item);
    void stopNotes(const Ending& ending);
    void walkResults(const SavedJob& job);
    void figures(const RescueTally& tally, const SavedJob& job);
    static std::string bytes(std::int64_t count);

    Console& console_;
};

}  // namespace quorvex
