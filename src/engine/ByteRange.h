#pragma once

#include <cstdint>

namespace quorvex {

// An inclusive range of 1-based byte positions in a file.
struct ByteRange {
    std::int64_t start = 0;
    std::int64_t end = 0;

    std::int64_t size() const { return end - start + 1; }
    bool operator==(const ByteRange&) const = default;
};

}  // namespace quorvex
