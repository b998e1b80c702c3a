#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "SizeToText.h"

namespace quorvex {
namespace {

constexpr double KiB = 1024.0;
constexpr double MiB = KiB * KiB;
constexpr double GiB = MiB * KiB;

TEST(SizeToTextTest, WritesTheDocumentedExamples) {
    EXPECT_EQ(SizeToText(0), "0 b");
    EXPECT_EQ(SizeToText(5120), "5120 b");
    EXPECT_EQ(SizeToText(5121), "5 Kb");
    EXPECT_EQ(SizeToText(6000), "5 Kb");
    EXPECT_EQ(SizeToText(5242880), "5120 Kb");
    EXPECT_EQ(SizeToText(10 * MiB), "10 Mb");
    EXPECT_EQ(SizeToText(1073741824), "1024 Mb");
    EXPECT_EQ(SizeToText(1.5 * GiB), "1 Gb");
    EXPECT_EQ(SizeToText(2 * GiB), "2 Gb");
}

TEST(SizeToTextTest, AUnitAppliesOnlyStrictlyAboveItsThreshold) {
    EXPECT_EQ(SizeToText(5 * KiB + 1), "5 Kb");
    EXPECT_EQ(SizeToText(5 * MiB), "5120 Kb");
    EXPECT_EQ(SizeToText(5 * MiB + 1), "5 Mb");
    EXPECT_EQ(SizeToText(GiB), "1024 Mb");
    EXPECT_EQ(SizeToText(GiB + 1), "1 Gb");
    EXPECT_EQ(SizeToText(5 * GiB), "5 Gb") << "there is no larger unit";
    EXPECT_EQ(SizeToText(1.99 * GiB), "1 Gb") << "the division discards the remainder";
}

TEST(SizeToTextTest, RoundsToTheNearestWholeNumberBeforeDividing) {
    EXPECT_EQ(SizeToText(6143.5), "6 Kb") << "6143.5 rounds up to 6144";
    EXPECT_EQ(SizeToText(6143.4), "5 Kb");
    EXPECT_EQ(SizeToText(6143.5 * KiB), "6 Mb");
    EXPECT_EQ(SizeToText(6143.4 * KiB), "5 Mb");
    EXPECT_EQ(SizeToText(6143.5 * MiB), "6 Gb");
}

TEST(SizeToTextTest, SmallAndNegativeCountsStayInBytes) {
    EXPECT_EQ(SizeToText(-3), "-3 b");
    EXPECT_EQ(SizeToText(-1e9), "-1000000000 b");
    EXPECT_EQ(SizeToText(-0.0), "0 b");
    EXPECT_EQ(SizeToText(12.5, ','), "12,5 b");
    EXPECT_EQ(SizeToText(12.5), "12.5 b") << "the C locale's separator";
}

TEST(SizeToTextTest, ANumberBeyondThe32BitRangeGivesZeroBytes) {
    EXPECT_EQ(SizeToText(2147483647.0 * MiB), "2097151 Gb");
    EXPECT_EQ(SizeToText(2147483647.5 * MiB), "0b");
    EXPECT_EQ(SizeToText(3e15), "0b");
    EXPECT_EQ(SizeToText(std::numeric_limits<double>::infinity()), "0b");
    EXPECT_EQ(SizeToText(-std::numeric_limits<double>::infinity()), "0b");
    EXPECT_EQ(SizeToText(std::nan("")), "0b");
}

}  // namespace
}  // namespace quorvex
