#pragma once

#include <map>

#include "BlockDevices.h"
#include "DriveTable.h"

namespace quorvex {

// Drives from the kernel's mount table, typed through /sys/class/block and named by the
// labels in /dev/disk/by-label. Every path can be a test's own file or folder.
class LinuxDriveTable final : public DriveTable {
public:
    explicit LinuxDriveTable(BlockDevices& devices, std::string mountinfo = "/proc/self/mountinfo",
                             std::string labelsFolder = "/dev/disk/by-label");

    std::vector<MountedVolume> drives() override;
    VolumeSpace space(const std::string& mountPoint) override;

private:
    std::map<std::string, std::string> labelsByDevice() const;

    BlockDevices& devices_;
    std::string mountinfo_;
    std::string labelsFolder_;
};

}  // namespace quorvex
