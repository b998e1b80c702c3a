#pragma once

#include <string>

namespace quorvex {

// A drive is named by its mount point without the trailing "/" ("/media/stick"); the root
// keeps its only "/". The drive's root folder is the name with one trailing "/".
class DriveNaming {
  public:
    static std::string nameOf(const std::string& mountPoint) {
        if (mountPoint.size() > 1 && mountPoint.ends_with('/'))
            return mountPoint.substr(0, mountPoint.size() - 1);
        return mountPoint;
    }
    static std::string rootOf(const std::string& name) {
        return name.ends_with('/') ? name : name + "/";
    }
};

}  // namespace quorvex
