#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "MountedVolume.h"

namespace quorvex {

struct VolumeSpace {
    std::int64_t total = 0;
    std::int64_t free = 0;
};

// The drives of the machine: its mounted volumes that hold files.
class DriveTable {
public:
    virtual ~DriveTable() = default;

    // The drives in the order of their mount points.
    virtual std::vector<MountedVolume> drives() = 0;
    // Total and free bytes; a volume that does not answer raises RunTimeError 71.
    virtual VolumeSpace space(const std::string& mountPoint) = 0;

    // The drive that holds the path: the one with the longest mount point the path lies below.
    static const MountedVolume* volumeHolding(const std::vector<MountedVolume>& drives,
                                              const std::string& path);
};

}  // namespace quorvex
