#pragma once

#include <cstdint>
#include <string>

#include "BlockDevices.h"
#include "MountedVolume.h"

namespace quorvex {

// Decides which mounts are drives and of which type.
class DriveClassifier {
public:
    explicit DriveClassifier(BlockDevices& devices);

    // File systems of the kernel's own (proc, sysfs, cgroup, …) are not drives.
    static bool isDrive(const MountedVolume& volume);
    std::int16_t typeOf(const MountedVolume& volume);

private:
    BlockDevices& devices_;
};

}  // namespace quorvex
