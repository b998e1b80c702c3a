#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace quorvex {

enum class BurnPhase { Idle, Writing, Verifying, Erasing, Done, Failed, Cancelled };

// A snapshot of a running or ended job, for the window's progress bar and its final message.
struct BurnProgress {
    BurnPhase phase = BurnPhase::Idle;
    std::uint64_t bytesDone = 0;
    std::uint64_t bytesTotal = 0;
    double bytesPerSecond = 0;
    double secondsLeft = 0;
    // Why a job failed, in libburn's or libisofs' words when they gave any.
    std::string failure;
    // After a verify: the burnt files (relative to the burnt folder) that did not read back
    // identical, that are missing from the medium or that the medium holds besides.
    std::vector<std::string> differingFiles;
    bool verified = false;
};

}  // namespace quorvex
