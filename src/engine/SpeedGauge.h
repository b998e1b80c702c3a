#pragma once

#include <cstdint>

namespace quorvex {

// Measures the transfer speed of one file from the offsets reached over time.
class SpeedGauge {
public:
    virtual ~SpeedGauge() = default;

    virtual void ReStart(std::int64_t total) = 0;
    virtual void UpdateChart(std::int64_t bytes) = 0;
    virtual double Speed() const = 0;
};

}  // namespace quorvex
