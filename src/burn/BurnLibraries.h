#pragma once

#include <string>

namespace quorvex {

// libisofs and libburn, started once per process before the first use and kept until its end.
class BurnLibraries {
  public:
    // Starts both libraries; false when either refused (the message queue says why).
    static bool start();
    // The most severe message libburn or libisofs queued since the last call, empty for none.
    static std::string lastMessage();
};

}  // namespace quorvex
