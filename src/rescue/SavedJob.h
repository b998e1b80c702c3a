#pragma once

#include <string>
#include <vector>

#include "ByteRange.h"
#include "JobItem.h"

namespace quorvex {

// One item of a rescue job with what earlier runs left of it: the engine's offsets and the
// ranges that could not be read, which later runs must still report.
struct JobRecord {
    JobItem item;
    // True when the copy ended without all of the file: ranges lost or the source shrank.
    bool damaged = false;
    std::vector<ByteRange> lost;
};

// A rescue job as kept between runs.
struct SavedJob {
    std::string source;
    std::string destination;
    // The items named on the command line, relative to the source; none for the whole source.
    std::vector<std::string> selected;
    // Folders the walk could not read to the end, and whether it stopped at the entry limit.
    std::vector<std::string> unreadFolders;
    bool walkFull = false;
    std::vector<JobRecord> items;
};

}  // namespace quorvex
