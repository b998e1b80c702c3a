#pragma once

#include <string>
#include <vector>

#include "ByteRange.h"

namespace quorvex {

// The damaged ranges of one file in the order they were met. A block that starts right after
// (or inside) the last range extends it, so neighbouring damaged blocks form one range; the
// table grows as needed and never merges good bytes into a range.
class DamagedRanges {
public:
    void add(std::int64_t position, std::int64_t size);
    void clear() { ranges_.clear(); }

    const std::vector<ByteRange>& ranges() const { return ranges_; }
    std::size_t count() const { return ranges_.size(); }
    std::int64_t lostBytes() const;
    // " 1 - 8192, 16385 - 24576," : each range as its start and end with a leading blank,
    // joined by " -" and closed by ",".
    std::string text() const;

private:
    std::vector<ByteRange> ranges_;
};

}  // namespace quorvex
