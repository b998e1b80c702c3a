#pragma once

#include <sys/types.h>

#include <optional>

#include "DataExtent.h"
#include "SystemCalls.h"

namespace quorvex {

// Asks the file system where an open file keeps its data, with lseek's SEEK_DATA and
// SEEK_HOLE, so that the holes of a sparse file are neither read nor written.
class HoleFinder {
public:
    explicit HoleFinder(SystemCalls& calls) : calls_(calls) {}

    // The data at or after the 0-based offset, in 1-based positions. Nothing comes back where
    // the file system cannot tell (EINVAL) or asking failed in any way: a failing seek on a
    // damaged medium says nothing about the data.
    std::optional<DataExtent> nextData(int descriptor, off_t offset) const;

private:
    std::optional<DataExtent> noDataFrom(int descriptor, off_t offset) const;

    SystemCalls& calls_;
};

}  // namespace quorvex
