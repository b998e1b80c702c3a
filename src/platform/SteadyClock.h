#pragma once

#include <chrono>

#include "MonotonicClock.h"

namespace quorvex {

class SteadyClock final : public MonotonicClock {
public:
    double seconds() const override {
        return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
            .count();
    }
};

}  // namespace quorvex
