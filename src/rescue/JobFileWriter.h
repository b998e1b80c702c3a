#pragma once

#include <string>

#include "SavedJob.h"

namespace quorvex {

// The text of a job file, one record per line:
//     quorvex-rescue job 1
//     source PATH / destination PATH / select ITEM / unread FOLDER / limit
//     item DONE DAMAGED START COPIED NAME, followed by its "lost START END" lines
//     end ITEMCOUNT
// Paths are written with JobFileText; numbers in decimal; the end line shows the file is whole.
class JobFileWriter {
  public:
    static constexpr const char* Header = "quorvex-rescue job 1";

    static std::string format(const SavedJob& job);

  private:
    static std::string itemLines(const JobRecord& record);
};

}  // namespace quorvex
