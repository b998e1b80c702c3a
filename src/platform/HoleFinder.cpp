#include "HoleFinder.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace quorvex {

std::optional<DataExtent> HoleFinder::nextData(int descriptor, off_t offset) const {
    const off_t data = calls_.lseek(descriptor, offset, SEEK_DATA);
    if (data < 0) return errno == ENXIO ? noDataFrom(descriptor, offset) : std::nullopt;
    const off_t hole = calls_.lseek(descriptor, data, SEEK_HOLE);
    if (hole <= data) return std::nullopt;
    return DataExtent{data + 1, hole + 1};
}

// ENXIO from SEEK_DATA means no data from the offset to the end, and is also what some
// vanished devices answer. It is believed only when the file still tells its length and
// SEEK_HOLE finds a hole right at the offset, so that a device that went away is never taken
// for a file that ends in a hole.
std::optional<DataExtent> HoleFinder::noDataFrom(int descriptor, off_t offset) const {
    struct stat status {};
    if (calls_.fstat(descriptor, &status) < 0 || !S_ISREG(status.st_mode)) return std::nullopt;
    if (offset < status.st_size && calls_.lseek(descriptor, offset, SEEK_HOLE) != offset)
        return std::nullopt;
    const std::int64_t end = std::max<std::int64_t>(status.st_size, offset) + 1;
    return DataExtent{end, end};
}

}  // namespace quorvex
