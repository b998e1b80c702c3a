#pragma once

#include <string>

#include "Descriptor.h"

namespace quorvex {

// Flushes the file system that holds the destination root to the disk (syncfs), so that the
// bytes written so far survive a power cut. One call covers every file written, which costs
// far less than flushing each small file on its own.
class DestinationSync {
  public:
    // Opens the root, which must exist by now.
    explicit DestinationSync(const std::string& root);

    // Empty when everything written so far is on the disk; otherwise the reason it may not be.
    std::string sync() const;

  private:
    std::string root_;
    Descriptor folder_;
    int openError_ = 0;
};

}  // namespace quorvex
