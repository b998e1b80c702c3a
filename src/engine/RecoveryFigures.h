#pragma once

#include <array>
#include <string>

namespace quorvex {

// The texts and bar values the recovery control shows.
struct RecoveryFigures {
    // File figures: copied / length, lost, speed, percentage, block length.
    std::array<std::string, 5> StatR{"0b / 0b", "0", "0b/s", "", ""};
    // Run figures: item number and count, total copied.
    std::array<std::string, 2> StatT;
    // The run percentage shown beside the run figures.
    std::string runPercent = "0%";
    int fileProgress = 0;
    int runProgress = 0;
};

}  // namespace quorvex
