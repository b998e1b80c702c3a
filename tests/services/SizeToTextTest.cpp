#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "SizeToText.h"

namespace quorvex {
namespace {

constexpr double KiB = 1024.0;
constexpr double MiB = KiB * KiB;
constexpr double GiB = MiB * KiB;

// A unit applies only strictly above five of it (one for Gb), the count is rounded to a whole
// number first and the division discards the remainder; there is no unit above Gb.
TEST(SizeToTextTest, PicksTheUnitAboveItsThresholdAfterRounding) {
    const std::pair<double, const char*> cases[] = {
        {0, "0 b"},          {5 * KiB, "5120 b"},      {5 * KiB + 1, "5 Kb"},
        {6000, "5 Kb"},      {6143.4, "5 Kb"},         {6143.5, "6 Kb"},
        {5 * MiB, "5120 Kb"}, {5 * MiB + 1, "5 Mb"},   {6143.4 * KiB, "5 Mb"},
        {6143.5 * KiB, "6 Mb"}, {GiB, "1024 Mb"},      {GiB + 1, "1 Gb"},
        {1.99 * GiB, "1 Gb"}, {6143.5 * MiB, "6 Gb"},  {2147483647.0 * MiB, "2097151 Gb"},
        {-3, "-3 b"},        {-1e9, "-1000000000 b"}, {-0.0, "0 b"},
        {12.5, "12.5 b"},
    };
    for (const auto& [count, text] : cases) EXPECT_EQ(SizeToText(count), text) << count;
    EXPECT_EQ(SizeToText(12.5, ','), "12,5 b");
}

TEST(SizeToTextTest, ANumberBeyondThe32BitRangeGivesZeroBytes) {
    for (const double count : {2147483647.5 * MiB, 3e15, std::numeric_limits<double>::infinity(),
                               -std::numeric_limits<double>::infinity(), std::nan("")})
        EXPECT_EQ(SizeToText(count), "0b") << count;
}

}  // namespace
}  // namespace quorvex
