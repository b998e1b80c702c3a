#pragma once

#include <stdexcept>

namespace quorvex {

// A command line, path or job file that the rescue cannot work with; the program ends with
// status 2 and the message, before anything was written.
class UsageError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

}  // namespace quorvex
