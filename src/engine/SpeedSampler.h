#pragma once

#include <cstdint>

#include "MonotonicClock.h"
#include "SpeedChartFrame.h"
#include "SpeedGauge.h"

namespace quorvex {

// Samples the transfer speed of one file: one sample per percent of the file, taken from the
// bytes and the monotonic time between two updates.
class SpeedSampler final : public SpeedGauge {
public:
    explicit SpeedSampler(const MonotonicClock& clock);

    void ReStart(std::int64_t total) override;
    void UpdateChart(std::int64_t bytes) override { sample(bytes); }
    // Takes the offset reached; true when a sample was stored and the chart is to be redrawn.
    bool sample(std::int64_t bytes);

    // Latest speed in bytes per second, never negative.
    double Speed() const override { return speed_; }
    int slot() const { return slot_; }
    SpeedChartFrame frame() const { return SpeedChartFrame(samples_); }

private:
    int slotFor(std::int64_t bytes) const;

    const MonotonicClock& clock_;
    std::int64_t total_ = 0;
    std::int64_t lastBytes_ = 0;
    double lastTime_ = 0.0;
    int slot_ = 1;
    double speed_ = 0.0;
    SpeedChartFrame::Samples samples_{};
};

}  // namespace quorvex
