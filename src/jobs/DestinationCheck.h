#pragma once

#include <string>
#include <vector>

#include "FileLayer.h"
#include "SavedJob.h"

namespace quorvex {

// Before a job continues, what earlier runs left in the destination is looked at again, through
// a file layer confined to the destination root: a copy may have been removed, replaced or cut
// short since, and the job must not count or continue what is no longer there.
class DestinationCheck {
  public:
    explicit DestinationCheck(FileLayer& files) : files_(files) {}

    // Done files whose copy is missing, is not what the run left (a file or a recreated link)
    // or has another length are to be copied again. Returns their source paths.
    std::vector<std::string> redoMissing(SavedJob& job);
    // Interrupted files whose partial copy is gone or shorter than their offset start over.
    // Returns their source paths.
    std::vector<std::string> restartLost(SavedJob& job);

    // What is under the name, not following links; Missing also when a link stands on the way.
    NameEntry entry(const std::string& path);
    // True when nothing has the name and nothing stands on the way to it.
    bool nameFree(const std::string& path);

  private:
    bool stillThere(const SavedJob& job, const JobRecord& record);
    bool partialHolds(const SavedJob& job, const JobRecord& record);
    static void restart(JobRecord& record);

    FileLayer& files_;
};

}  // namespace quorvex
