#include "DamagedRanges.h"

#include <algorithm>

namespace quorvex {

void DamagedRanges::add(std::int64_t position, std::int64_t size) {
    if (size < 1) return;
    const std::int64_t end = position + size - 1;
    if (!ranges_.empty() && ranges_.back().end >= position - 1) {
        ranges_.back().end = std::max(ranges_.back().end, end);
        return;
    }
    ranges_.push_back({position, end});
}

std::int64_t DamagedRanges::lostBytes() const {
    std::int64_t lost = 0;
    for (const ByteRange& range : ranges_) lost += range.size();
    return lost;
}

std::string DamagedRanges::text() const {
    std::string text;
    for (const ByteRange& range : ranges_)
        text += " " + std::to_string(range.start) + " - " + std::to_string(range.end) + ",";
    return text;
}

}  // namespace quorvex
