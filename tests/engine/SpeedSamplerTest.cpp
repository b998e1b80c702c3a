#include <gtest/gtest.h>

#include "ManualClock.h"
#include "SpeedSampler.h"

namespace quorvex {
namespace {

class SpeedSamplerTest : public ::testing::Test {
protected:
    test::ManualClock clock;
    SpeedSampler sampler{clock};
};

// An update within the same millisecond counts as one; an offset below the previous one gives
// speed zero.
TEST_F(SpeedSamplerTest, SpeedIsBytesOverMonotonicTime) {
    sampler.ReStart(10000);
    clock.advance(2.0);
    EXPECT_TRUE(sampler.sample(1000));
    EXPECT_DOUBLE_EQ(sampler.Speed(), 500.0);
    clock.advance(0.5);
    sampler.sample(3000);
    EXPECT_DOUBLE_EQ(sampler.Speed(), 4000.0);
    sampler.sample(3100);
    EXPECT_DOUBLE_EQ(sampler.Speed(), 100000.0);
    clock.advance(0.0004);
    sampler.sample(3200);
    EXPECT_DOUBLE_EQ(sampler.Speed(), 100000.0);
    clock.advance(1.0);
    sampler.sample(2000);
    EXPECT_DOUBLE_EQ(sampler.Speed(), 0.0);
    EXPECT_EQ(sampler.slot(), 20);
}

TEST_F(SpeedSamplerTest, OneSamplePerPercentKeepsTheLastSpeedOfItsSlot) {
    sampler.ReStart(1000);
    clock.advance(1.0);
    sampler.sample(5);
    EXPECT_EQ(sampler.slot(), 1) << "below one percent charts in slot 1";
    clock.advance(1.0);
    sampler.sample(255);
    clock.advance(1.0);
    sampler.sample(259);
    EXPECT_EQ(sampler.slot(), 25);
    const auto curve = sampler.frame().curve(100, 100);
    ASSERT_EQ(curve.size(), 2u) << "slot 1 and slot 25";
    EXPECT_EQ(curve[1].x, 35);
    EXPECT_DOUBLE_EQ(sampler.frame().maximum(), 5 * 1.1)
        << "slot 25 holds only its last speed, 4, not the 250 before it";
}

// Offsets past the end still measure the speed but store no sample.
TEST_F(SpeedSamplerTest, LargeEmptyAndOverrunFilesChartWithoutOverflow) {
    constexpr std::int64_t GiB = std::int64_t{1} << 30;
    sampler.ReStart(8 * GiB);
    clock.advance(2.0);
    sampler.sample(6 * GiB);
    EXPECT_EQ(sampler.slot(), 75);
    EXPECT_DOUBLE_EQ(sampler.Speed(), 3.0 * GiB);

    sampler.ReStart(0);
    EXPECT_TRUE(sampler.sample(0));
    EXPECT_EQ(sampler.slot(), 100);

    sampler.ReStart(1000);
    clock.advance(1.0);
    EXPECT_FALSE(sampler.sample(1011));
    EXPECT_DOUBLE_EQ(sampler.Speed(), 1011.0);
    EXPECT_TRUE(sampler.frame().curve(100, 100).empty());
}

TEST(SpeedChartFrameTest, ScaleRunsFromTheUnfilledSlotsToATenthAboveTheHighestSample) {
    SpeedChartFrame::Samples samples;
    samples.fill(-1);
    samples[49] = 1000;
    const SpeedChartFrame single(samples);
    EXPECT_EQ(single.minimum(), -1.0);
    EXPECT_DOUBLE_EQ(single.maximum(), 1100.0);

    samples.fill(500);
    samples[3] = 0;
    const SpeedChartFrame flat(samples);
    EXPECT_EQ(flat.minimum(), 0.0) << "samples of 0 take no part; equal ends start at 0";
    EXPECT_DOUBLE_EQ(flat.maximum(), 550.0);
    EXPECT_EQ(flat.curve(100, 100).size(), 99u) << "samples of 0 are not drawn";
}

}  // namespace
}  // namespace quorvex
