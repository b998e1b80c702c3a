#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quorvex::test {

// One file as the configuration describes it: its name below the mount point ("a/b.bin"), its
// size and pattern seed, and the damage it shows.
struct RigFileSetup {
    struct Range {
        std::uint64_t offset = 0;
        std::uint64_t length = 0;
    };
    struct Shrink {
        std::uint64_t afterBytes = 0;
        std::uint64_t newSize = 0;
    };

    std::string name;
    std::uint64_t size = 0;
    std::uint64_t seed = 0;
    std::vector<Range> badRanges;
    std::uint64_t slowMicroseconds = 0;
    // A read that fails waits this long first, as a drive retrying a bad sector does.
    std::uint64_t failSlowMicroseconds = 0;
    std::optional<Shrink> shrink;
    std::optional<std::uint64_t> vanishAfterReads;
    bool directIo = false;
};

}  // namespace quorvex::test
