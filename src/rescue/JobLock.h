#pragma once

#include <string>

#include "Descriptor.h"

namespace quorvex {

// One run at a time on a job file: an exclusive lock on FILE.lock beside it, held for as long
// as this object lives. The job file itself is replaced by renaming at every save, so a lock on
// it would be lost with the old file. The lock file stays behind; only the lock counts.
class JobLock {
  public:
    // Raises UsageError when another run holds the lock or the lock file cannot be made.
    explicit JobLock(const std::string& jobFile);

  private:
    Descriptor file_;
};

}  // namespace quorvex
