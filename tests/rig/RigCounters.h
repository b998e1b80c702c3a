#pragma once

#include <cstdint>
#include <string_view>

namespace quorvex::test {

// What the rig's read handler did for one file since the mount: every call, the calls that
// failed, and the bytes served. The rig's root folder holds a hidden file of that name with one
// line "READS FAILED BYTES NAME" per file.
struct RigCounters {
    static constexpr std::string_view fileName = ".rig-stats";

    std::uint64_t reads = 0;
    std::uint64_t failed = 0;
    std::uint64_t bytes = 0;
};

}  // namespace quorvex::test
