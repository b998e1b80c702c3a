#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "ByteRange.h"
#include "RigPattern.h"

namespace quorvex::test {

// The copy of a rig file holds the pattern of its seed everywhere but in the lost ranges and
// zeros there; a gap at the end may be missing from the copy altogether.
inline void expectRigCopy(const std::string& copyPath, std::uint64_t seed, std::int64_t size,
                          const std::vector<ByteRange>& lost = {}) {
    std::ifstream input(copyPath, std::ios::binary);
    const std::string copy((std::istreambuf_iterator<char>(input)), {});
    std::int64_t at = 0;
    for (const ByteRange& range : lost) {
        EXPECT_TRUE(copy.substr(at, range.start - 1 - at) ==
                    RigPattern::bytes(seed, at, range.start - 1 - at))
            << copyPath << " before " << range.start;
        const std::string gap =
            copy.substr(std::min<std::size_t>(range.start - 1, copy.size()), range.size());
        EXPECT_EQ(gap, std::string(gap.size(), '\0')) << copyPath << " at " << range.start;
        at = range.end;
    }
    if (at < size) {
        EXPECT_TRUE(copy.substr(at) == RigPattern::bytes(seed, at, size - at)) << copyPath;
    }
    EXPECT_LE(static_cast<std::int64_t>(copy.size()), size) << copyPath;
}

}  // namespace quorvex::test
