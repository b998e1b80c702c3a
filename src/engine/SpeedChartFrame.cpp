#include "SpeedChartFrame.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace quorvex {

SpeedChartFrame::SpeedChartFrame(const Samples& samples) : samples_(samples) {
    double lowest = std::numeric_limits<double>::infinity();
    double highest = -std::numeric_limits<double>::infinity();
    for (const std::int64_t sample : samples_) {
        if (sample == 0) continue;
        lowest = std::min(lowest, static_cast<double>(sample));
        highest = std::max(highest, static_cast<double>(sample));
    }
    if (highest < lowest) lowest = highest = 0.0;
    if (!(lowest < highest)) lowest = 0.0;
    minimum_ = lowest;
    maximum_ = highest * 1.1;
}

std::vector<ChartPoint> SpeedChartFrame::curve(int plotWidth, int plotHeight) const {
    std::vector<ChartPoint> points;
    const double span = maximum_ - minimum_;
    if (span == 0.0) return points;
    for (int slot = 1; slot <= Slots; ++slot) {
        const auto sample = static_cast<double>(samples_[slot - 1]);
        if (sample <= 0) continue;
        const double x = LeftMargin + static_cast<double>(plotWidth) * slot / 100.0;
        const double y = (plotHeight + TopMargin) - plotHeight / (span / (sample + 1 - minimum_));
        points.push_back({static_cast<int>(std::nearbyint(x)), static_cast<int>(std::nearbyint(y))});
    }
    return points;
}

}  // namespace quorvex
