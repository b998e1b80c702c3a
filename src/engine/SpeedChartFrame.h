#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace quorvex {

struct ChartPoint {
    int x;
    int y;
};

// One drawing of the speed chart: the 100 per-percent samples (-1 where not filled yet) and the
// scale they are drawn on.
class SpeedChartFrame {
public:
    static constexpr int Slots = 100;
    static constexpr int LeftMargin = 10;
    static constexpr int TopMargin = 15;
    using Samples = std::array<std::int64_t, Slots>;

    explicit SpeedChartFrame(const Samples& samples);

    // Lowest and highest sample, leaving out samples of 0; the minimum drops to 0 when it is
    // not below the maximum, and the maximum is raised by a tenth.
    double minimum() const { return minimum_; }
    double maximum() const { return maximum_; }
    double middle() const { return (maximum_ - minimum_) * 0.5 + minimum_; }

    // The curve's points over a plot of the given size, one per sample above 0.
    std::vector<ChartPoint> curve(int plotWidth, int plotHeight) const;

private:
    Samples samples_;
    double minimum_ = 0.0;
    double maximum_ = 0.0;
};

}  // namespace quorvex
