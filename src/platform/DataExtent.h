#pragma once

#include <cstdint>

namespace quorvex {

// A run of a file's data in 1-based positions: it begins at `first` and ends before the hole
// that begins at `holeStart` (the file's length + 1 where no hole follows). A file with no data
// left from the position asked about shows first == holeStart == its length + 1.
struct DataExtent {
    std::int64_t first = 1;
    std::int64_t holeStart = 1;

    bool operator==(const DataExtent&) const = default;
};

}  // namespace quorvex
