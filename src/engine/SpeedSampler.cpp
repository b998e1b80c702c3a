#include "SpeedSampler.h"

#include <cmath>

namespace quorvex {

SpeedSampler::SpeedSampler(const MonotonicClock& clock) : clock_(clock) { samples_.fill(-1); }

void SpeedSampler::ReStart(std::int64_t total) {
    total_ = total;
    lastBytes_ = 0;
    lastTime_ = clock_.seconds();
    slot_ = 1;
    samples_.fill(-1);
}

bool SpeedSampler::sample(std::int64_t bytes) {
    const double now = clock_.seconds();
    const double elapsedMilliseconds = std::max((now - lastTime_) * 1000.0, 1.0);
    speed_ = std::max(static_cast<double>(bytes - lastBytes_) / elapsedMilliseconds * 1000.0, 0.0);
    lastBytes_ = bytes;
    lastTime_ = now;
    slot_ = slotFor(bytes);
    if (slot_ > SpeedChartFrame::Slots) return false;
    samples_[slot_ - 1] = static_cast<std::int64_t>(std::nearbyint(speed_));
    return true;
}

// An empty file is whole at once, so it charts in the last slot.
int SpeedSampler::slotFor(std::int64_t bytes) const {
    if (total_ <= 0) return SpeedChartFrame::Slots;
    const double percent = std::floor(static_cast<double>(bytes) / static_cast<double>(total_) * 100.0);
    if (percent > SpeedChartFrame::Slots) return SpeedChartFrame::Slots + 1;
    return std::max(static_cast<int>(percent), 1);
}

}  // namespace quorvex
