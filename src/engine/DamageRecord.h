#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ByteRange.h"

namespace quorvex {

// What the run keeps of a file that did not come through whole.
struct DamageRecord {
    std::string source;
    std::string destination;
    // Set when an earlier complete copy at `destination` was kept because the new copy lost
    // bytes: the name the new copy was kept under, beside it.
    std::string keptBeside;
    // The source's date and time as text in the user's locale.
    std::string FileDTV;
    std::int64_t File1Size = 0;
    // Open-mode number of the source: 32 for binary access.
    std::int32_t FAttr = 32;
    std::vector<ByteRange> ranges;
    std::int64_t lostBytes = 0;
    // End offset reached in the file.
    std::int64_t Copied = 0;
    std::string rangeText;
};

}  // namespace quorvex
