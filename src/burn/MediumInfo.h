#pragma once

#include <cstdint>

namespace quorvex {

enum class MediumState { NoMedium, Blank, Appendable, Closed, Unusable };

// The medium in a burner (an image file counts as a blank medium) and the bytes it can take.
struct MediumInfo {
    MediumState state = MediumState::NoMedium;
    bool erasable = false;
    std::uint64_t freeBytes = 0;
};

}  // namespace quorvex
