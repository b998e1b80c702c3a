#pragma once

#include <cstdint>
#include <mutex>
#include <span>
#include <utility>

#include "RigCounters.h"
#include "RigFileSetup.h"

namespace quorvex::test {

// One served file while the rig runs: its pattern bytes, its damage and its counters. The
// file system calls it from several threads at once.
class RigFile {
public:
    explicit RigFile(RigFileSetup setup) : setup_(std::move(setup)) {}

    const std::string& name() const { return setup_.name; }
    bool directIo() const { return setup_.directIo; }
    // True once the configured number of reads was served: the device is gone.
    bool vanished() const;
    // The size now, which drops once a shrinking file served enough bytes.
    std::uint64_t size() const;
    // Fills the buffer from the offset: the count of bytes served, or a negative errno.
    int read(std::uint64_t offset, std::span<char> buffer);
    RigCounters counters() const;

private:
    bool vanishedLocked() const;
    std::uint64_t sizeLocked() const;
    bool touchesBadRange(std::uint64_t offset, std::uint64_t length) const;

    const RigFileSetup setup_;
    mutable std::mutex mutex_;
    RigCounters counters_;
};

}  // namespace quorvex::test
