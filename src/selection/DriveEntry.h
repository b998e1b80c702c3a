#pragma once

#include <cstdint>
#include <string>

namespace quorvex {

// One listed drive: a row of the drop-down list and, for the first three, a tool-bar button.
struct DriveEntry {
    // The drive's name, its mount point without the trailing "/".
    std::string name;
    // What the row and the button show: the name and, when the type has a name, " - " and it.
    std::string text;
    // The tool tip: the volume name, for a network drive its share name.
    std::string info;
    std::int16_t type = 0;
    std::int32_t blockSize = 0;
};

}  // namespace quorvex
