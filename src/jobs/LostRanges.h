#pragma once

#include <cstdint>
#include <vector>

#include "ByteRange.h"

namespace quorvex {

// Lists of lost ranges as a job keeps them: in order, apart from each other.
class LostRanges {
  public:
    // Both lists as one; ranges that overlap or touch become one range.
    static std::vector<ByteRange> merged(std::vector<ByteRange> first,
                                         const std::vector<ByteRange>& second);
    // The parts of the ranges within the first `length` bytes.
    static std::vector<ByteRange> within(const std::vector<ByteRange>& ranges, std::int64_t length);
    // The bytes the ranges hold.
    static std::int64_t bytes(const std::vector<ByteRange>& ranges);
};

}  // namespace quorvex
