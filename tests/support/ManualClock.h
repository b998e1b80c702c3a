#pragma once

#include "MonotonicClock.h"

namespace quorvex::test {

// A clock that moves only when the test moves it.
class ManualClock final : public MonotonicClock {
public:
    double seconds() const override { return now_; }
    void advance(double seconds) { now_ += seconds; }

private:
    double now_ = 1000.0;
};

}  // namespace quorvex::test
