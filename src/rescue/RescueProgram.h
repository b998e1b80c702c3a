#pragma once

#include <optional>
#include <string>
#include <vector>

#include "Console.h"
#include "DestinationCheck.h"
#include "JobFile.h"
#include "RescueArguments.h"
#include "RescueLedger.h"
#include "RescueReport.h"
#include "RescueRoots.h"
#include "RescueTexts.h"

namespace quorvex {

// The command: checks the arguments, the roots and the job file before anything is written,
// then walks the selection (or continues the saved job, checking what earlier runs left in the
// destination), runs the engine while the job file follows it, and reports. Returns the exit
// status: 0 all whole, 1 anything damaged, not copied or left out, 2 usage or any failure.
class RescueProgram {
  public:
    int run(const std::vector<std::string>& words);

  private:
    int rescue(const RescueArguments& arguments);
    std::optional<JobFile> jobFileFor(const RescueArguments& arguments,
                                      const RescueRoots& roots) const;
    std::optional<SavedJob> savedJob(const std::optional<JobFile>& jobFile,
                                     const RescueRoots& roots,
                                     const std::vector<std::string>& selected);
    RescueLedger ledgerFor(std::optional<SavedJob> saved, const RescueRoots& roots,
                           const std::vector<std::string>& selected, DestinationCheck& check);
    RescueReport::Ending runSaving(RescueLedger& ledger, const RescueRoots& roots,
                                   const RescueArguments& arguments,
                                   const std::optional<JobFile>& jobFile, DestinationCheck& check);
    SavedJob walk(const RescueRoots& roots, const std::vector<std::string>& selected);
    void announceContinuation(const SavedJob& job);
    void notePaths(const std::string& what, const std::vector<std::string>& paths);
    TextTable loadTexts();
    int fail(const std::string& message, bool usage);
    static bool anythingLeft(const SavedJob& job);

    Console console_;
};

}  // namespace quorvex
