#pragma once

#include <chrono>
#include <mutex>

#include "BurnProgress.h"

namespace quorvex {

// The progress of the job running on the worker thread, read by the window's thread: bytes
// done, the speed since the phase began and the time left at that speed.
class ProgressBoard {
  public:
    void begin(BurnPhase phase, std::uint64_t bytesTotal);
    void advance(std::uint64_t bytesDone, std::uint64_t bytesTotal);
    void verified(std::vector<std::string> differingFiles);
    void finish(BurnPhase phase, std::string failure = {});
    void reset();
    BurnProgress snapshot() const;
    bool running() const;

  private:
    mutable std::mutex mutex_;
    BurnProgress progress_;
    std::chrono::steady_clock::time_point phaseStart_;
};

}  // namespace quorvex
