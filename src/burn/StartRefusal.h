#pragma once

#include <cstdint>

namespace quorvex {

// Why a burn or an erase did not start; None when it started.
enum class StartRefusalReason {
    None,
    Disabled,
    Busy,
    NoJob,
    NotReady,
    NeedsErase,
    NotErasable,
    ImageFailed,
    TooLarge
};

struct StartRefusal {
    StartRefusalReason reason = StartRefusalReason::None;
    // For TooLarge: the bytes of the data and the bytes the medium can take.
    std::uint64_t neededBytes = 0;
    std::uint64_t availableBytes = 0;

    bool started() const { return reason == StartRefusalReason::None; }
};

}  // namespace quorvex
