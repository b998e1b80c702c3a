#include "RigFile.h"

#include <cerrno>
#include <chrono>
#include <thread>

#include "RigPattern.h"

namespace quorvex::test {

bool RigFile::vanished() const {
    const std::lock_guard lock(mutex_);
    return vanishedLocked();
}

std::uint64_t RigFile::size() const {
    const std::lock_guard lock(mutex_);
    return sizeLocked();
}

RigCounters RigFile::counters() const {
    const std::lock_guard lock(mutex_);
    return counters_;
}

int RigFile::read(std::uint64_t offset, std::span<char> buffer) {
    if (setup_.slowMicroseconds > 0)
        std::this_thread::sleep_for(std::chrono::microseconds(setup_.slowMicroseconds));
    const std::lock_guard lock(mutex_);
    const bool gone = vanishedLocked();
    ++counters_.reads;
    if (gone) {
        ++counters_.failed;
        return -ENODEV;
    }
    const std::uint64_t size = sizeLocked();
    if (offset >= size) return 0;
    const std::uint64_t length = std::min<std::uint64_t>(buffer.size(), size - offset);
    if (touchesBadRange(offset, length)) {
        ++counters_.failed;
        if (setup_.failSlowMicroseconds > 0)
            std::this_thread::sleep_for(std::chrono::microseconds(setup_.failSlowMicroseconds));
        return -EIO;
    }
    RigPattern::fill(setup_.seed, offset, buffer.first(length));
    counters_.bytes += length;
    return static_cast<int>(length);
}

bool RigFile::vanishedLocked() const {
    return setup_.vanishAfterReads && counters_.reads >= *setup_.vanishAfterReads;
}

std::uint64_t RigFile::sizeLocked() const {
    if (setup_.shrink && counters_.bytes >= setup_.shrink->afterBytes) return setup_.shrink->newSize;
    return setup_.size;
}

bool RigFile::touchesBadRange(std::uint64_t offset, std::uint64_t length) const {
    for (const RigFileSetup::Range& bad : setup_.badRanges)
        if (offset < bad.offset + bad.length && bad.offset < offset + length) return true;
    return false;
}

}  // namespace quorvex::test
