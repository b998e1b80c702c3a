#pragma once

#include <cstddef>
#include <string>

#include "SavedJob.h"

namespace quorvex {

// The text of a job file, one record per line. First the job as a whole:
//     quorvex-rescue job 2
//     source PATH / destination PATH / select ITEM / unread FOLDER / left PATH REASON / limit
//     item DONE DAMAGED START COPIED OWNS LINK LENGTH NAME, then its "lost START END" lines
//     end ITEMCOUNT
// then, while a run goes on, one line for each change of an item, numbered from 1 in the
// order of the item lines; the last one for an item holds:
//     update NUMBER DONE DAMAGED START COPIED OWNS LINK LENGTH [START END]...
// Paths and reasons are written with JobFileText; numbers in decimal; flags as 0 or 1.
class JobFileWriter {
  public:
    static constexpr const char* Header = "quorvex-rescue job 2";

    static std::string format(const SavedJob& job);
    static std::string update(std::size_t number, const JobRecord& record);

  private:
    static std::string state(const JobRecord& record);
    static std::string itemLines(const JobRecord& record);
};

}  // namespace quorvex
