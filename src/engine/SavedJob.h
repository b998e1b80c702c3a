#pragma once

#include <string>
#include <vector>

#include "ByteRange.h"
#include "JobItem.h"
#include "Selection.h"

namespace quorvex {

// One item of a rescue job with what earlier runs left of it: the engine's offsets and the
// ranges that could not be read, which later runs must still report. The lost ranges lie in
// order within the first CopiedBytes bytes; an item not done resumes at its StartPosition,
// which then equals CopiedBytes.
// A job holds up to a million records: the flags sit in the item's tail padding, which
// [[no_unique_address]] lets them use.
struct JobRecord {
    [[no_unique_address]] JobItem item;
    // What a done item left in the destination, which a later run checks is still there: a
    // recreated symbolic link, or a file of `length` bytes.
    bool link = false;
    // True when the copy ended without all of the file: ranges lost or the source shrank.
    bool damaged = false;
    // A run of this job began the copy where nothing had the item's name, so a file there now
    // is this job's own partial copy, to be continued or replaced without asking.
    bool ownsCopy = false;
    std::vector<ByteRange> lost;
    std::int64_t length = 0;
};

// A rescue job as kept between runs.
struct SavedJob {
    std::string source;
    std::string destination;
    // The items named on the command line, relative to the source; none for the whole source.
    std::vector<std::string> selected;
    // Folders the walk could not read to the end, and what it saw but does not copy (pipes,
    // sockets, devices) with the reason; both make the job incomplete.
    std::vector<std::string> unreadFolders;
    std::vector<Selection::LeftOut> leftOut;
    // True when the walk stopped at the entry limit.
    bool walkFull = false;
    std::vector<JobRecord> items;

    // Where a file item's copy goes: its place below the source root, below the destination.
    std::string copyOf(const JobRecord& record) const {
        return destination + record.item.FileName.substr(source.size());
    }
};

}  // namespace quorvex
