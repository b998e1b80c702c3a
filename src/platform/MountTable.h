#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "MountedVolume.h"

namespace quorvex {

// The kernel's table of mounts (/proc/self/mountinfo) as volumes with their mount point,
// source and file system; the type and name are left for the caller to fill in.
class MountTable {
public:
    static std::vector<MountedVolume> parse(std::string_view mountinfo);
    // Undoes the kernel's octal escapes of blanks, tabs, new lines and backslashes.
    static std::string unescape(std::string_view field);
};

}  // namespace quorvex
