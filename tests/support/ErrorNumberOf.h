#pragma once

#include <functional>

#include "RunTimeError.h"

namespace quorvex::test {

// The number of the run-time error the action raised, or 0 when it raised none.
inline int errorNumberOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const RunTimeError& error) {
        return error.number();
    }
    return 0;
}

}  // namespace quorvex::test
