#pragma once

#include <vector>

#include "BurnTarget.h"

namespace quorvex {

// The optical drives libburn finds on this machine. Scanning releases no drive, so it must not
// run while a burn holds one.
class DriveList {
  public:
    static std::vector<BurnTarget> opticalDrives();
};

}  // namespace quorvex
