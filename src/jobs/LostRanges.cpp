#include "LostRanges.h"

#include <algorithm>

namespace quorvex {

std::vector<ByteRange> LostRanges::merged(std::vector<ByteRange> first,
                                          const std::vector<ByteRange>& second) {
    first.insert(first.end(), second.begin(), second.end());
    std::ranges::sort(first, {}, &ByteRange::start);
    std::vector<ByteRange> joined;
    for (const ByteRange& range : first) {
        if (!joined.empty() && range.start <= joined.back().end + 1)
            joined.back().end = std::max(joined.back().end, range.end);
        else
            joined.push_back(range);
    }
    return joined;
}

std::vector<ByteRange> LostRanges::within(const std::vector<ByteRange>& ranges,
                                          std::int64_t length) {
    std::vector<ByteRange> kept;
    for (const ByteRange& range : ranges)
        if (range.start <= length) kept.push_back({range.start, std::min(range.end, length)});
    return kept;
}

std::int64_t LostRanges::bytes(const std::vector<ByteRange>& ranges) {
    std::int64_t total = 0;
    for (const ByteRange& range : ranges) total += range.size();
    return total;
}

}  // namespace quorvex
