#pragma once

namespace quorvex {

// Seconds on a clock that never jumps and runs on across midnight; only differences count.
class MonotonicClock {
public:
    virtual ~MonotonicClock() = default;

    virtual double seconds() const = 0;
};

}  // namespace quorvex
