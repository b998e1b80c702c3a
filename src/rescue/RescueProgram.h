#pragma once

#include <optional>
#include <string>
#include <vector>

#include "Console.h"
#include "JobFile.h"
#include "RescueArguments.h"
#include "RescueLedger.h"
#include "RescueRoots.h"

namespace quorvex {

// The command: checks the arguments, the roots and the job file before anything is written,
// then walks the selection (or continues the saved job), runs the engine, saves the job and
// reports. Returns the exit status: 0 all whole, 1 anything damaged or not copied, 2 usage.
class RescueProgram {
  public:
    int run(const std::vector<std::string>& words);

  private:
    int rescue(const RescueArguments& arguments);
    RescueLedger ledgerFor(const std::optional<JobFile>& jobFile, const RescueRoots& roots,
                           const std::vector<std::string>& selected);
    std::optional<SavedJob> savedJob(const std::optional<JobFile>& jobFile,
                                     const RescueRoots& roots,
                                     const std::vector<std::string>& selected);
    SavedJob walk(const RescueRoots& roots, const std::vector<std::string>& selected);
    void announceContinuation(const SavedJob& job);
    std::string save(const JobFile& jobFile, const SavedJob& job);
    static bool anythingLeft(const SavedJob& job);

    Console console_;
};

}  // namespace quorvex
