#pragma once

#include <cstdint>
#include <string>

namespace quorvex {

// Where a burn goes: an optical drive as libburn names it, or an image file, which libburn
// writes through its "stdio:" pseudo drive.
struct BurnTarget {
    std::string address;
    std::string displayName;
    bool imageFile = false;
    // An existing image file is replaced only when the user said so.
    bool replaceExistingImage = false;
    // For an image file: the most bytes it may hold (0: the free space of its volume), so that
    // an image can be made to fit a given disc.
    std::uint64_t imageCapacity = 0;

    static BurnTarget imageAt(const std::string& path) {
        return BurnTarget{"stdio:" + path, path, true, false, 0};
    }
    std::string imagePath() const { return imageFile ? address.substr(6) : std::string(); }
};

}  // namespace quorvex
