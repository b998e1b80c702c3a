#pragma once

#include <vector>

#include "BurnTarget.h"

namespace quorvex {

// The optical drives libburn finds on this machine, each left free for any program. Scanning
// waits for libburn's scan to end and must not run while a burn holds a drive.
class DriveList {
  public:
    static std::vector<BurnTarget> opticalDrives();
};

}  // namespace quorvex
