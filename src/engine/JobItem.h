#pragma once

#include <cstdint>
#include <string>

namespace quorvex {

// One entry of a run's job list. A folder item is its path with a tab in front.
struct JobItem {
    std::string FileName;
    // Bytes reached in the item by the end of its processing.
    std::int64_t CopiedBytes = 0;
    // Bytes already copied by an earlier, interrupted run; the copy continues after them.
    std::int64_t StartPosition = 0;
    bool isDone = false;

    bool isFolder() const { return !FileName.empty() && FileName.front() == '\t'; }
};

}  // namespace quorvex
