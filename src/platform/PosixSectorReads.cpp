#include <fcntl.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "PosixFileLayer.h"
#include "RunTimeError.h"

// Reads past the page cache for the second look at damaged ranges: O_DIRECT is switched on for
// the read and off again, so every other read of the file keeps the cache.
namespace quorvex {

namespace {

// Logical sectors are 512 bytes on most media and 4096 on some; a read past the cache that is
// aligned to less than the medium's sector is refused with EINVAL.
constexpr std::int64_t kLargestSector = 4096;

}  // namespace

std::optional<std::size_t> PosixFileLayer::readSectors(int number, std::int64_t position,
                                                       std::span<char> buffer) {
    if (position < 1) throw RunTimeError(ErrorNumber::BadRecordNumber, std::to_string(position));
    OpenFile& file = openFile(number);
    file.lookedAt.reset();
    if (file.directRefused) return std::nullopt;
    const int flags = calls_.fcntl(file.descriptor, F_GETFL, 0);
    if (flags < 0 || calls_.fcntl(file.descriptor, F_SETFL, flags | O_DIRECT) < 0) {
        file.directRefused = true;
        return std::nullopt;
    }
    const auto start = static_cast<off_t>(position - 1);
    int failure = 0;
    std::optional<std::size_t> count;
    while (true) {
        count = readAlignedSectors(file, start, buffer, failure);
        if (count || failure != EINVAL || file.sectorSize >= kLargestSector) break;
        file.sectorSize *= 2;
    }
    calls_.fcntl(file.descriptor, F_SETFL, flags);
    if (count) return count;
    if (failure == EINVAL) {
        file.directRefused = true;
        return std::nullopt;
    }
    errno = failure;
    raiseLastError(file.path);
}

std::int64_t PosixFileLayer::sectorSize(int number) {
    return openFile(number).sectorSize;
}

std::optional<std::size_t> PosixFileLayer::readAlignedSectors(const OpenFile& file, off_t start,
                                                              std::span<char> buffer,
                                                              int& failure) {
    const auto size = static_cast<off_t>(file.sectorSize);
    const off_t first = start / size * size;
    const off_t end = (start + static_cast<off_t>(buffer.size()) + size - 1) / size * size;
    const auto length = static_cast<std::size_t>(end - first);
    const std::unique_ptr<char, decltype(&std::free)> sectors(
        static_cast<char*>(std::aligned_alloc(static_cast<std::size_t>(size), length)), &std::free);
    if (!sectors) {
        failure = ENOMEM;
        return std::nullopt;
    }
    std::size_t done = 0;
    while (done < length) {
        const ssize_t count =
            calls_.pread(file.descriptor, sectors.get() + done, length - done, first + static_cast<off_t>(done));
        if (count < 0 && errno == EINTR) continue;
        if (count < 0) {
            failure = errno;
            break;
        }
        done += static_cast<std::size_t>(count);
        // The end of the file, or a driver that stopped at a bad sector.
        if (count == 0 || count % size != 0) break;
    }
    const auto skipped = static_cast<std::size_t>(start - first);
    if (done <= skipped && failure != 0) return std::nullopt;
    const std::size_t useful = std::min(buffer.size(), done > skipped ? done - skipped : 0);
    std::memcpy(buffer.data(), sectors.get() + skipped, useful);
    return useful;
}

}  // namespace quorvex
