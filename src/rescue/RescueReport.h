#pragma once

#include <optional>
#include <string>

#include "Console.h"
#include "RescueTally.h"
#include "SavedJob.h"

namespace quorvex {

// The end of a rescue: what was stopped, left out or not saved, the files not copied, the
// closing figures, and the exit status: 0 when every file came through whole, 1 otherwise.
class RescueReport {
  public:
    struct Ending {
        bool interrupted = false;
        // The job file, when one was named, and why saving it failed, if it did.
        std::optional<std::string> jobFile;
        std::string saveProblem;
    };

    explicit RescueReport(Console& console) : console_(console) {}

    int close(const SavedJob& job, const Ending& ending);

  private:
    void notCopied(const JobItem& item);
    void stopNotes(const Ending& ending);
    void walkNotes(const SavedJob& job);
    void figures(const RescueTally& tally);
    static std::string bytes(std::int64_t count);

    Console& console_;
};

}  // namespace quorvex
