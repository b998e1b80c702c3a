#pragma once

#include "DriveTable.h"

namespace quorvex::test {

// A mount table of the test's making: each drive's mount point, type and volume name; every
// drive has the space of `everySpace` (none unless a test says).
class MountPoints final : public DriveTable {
public:
    MountPoints& add(const std::string& mountPoint, std::int16_t type = DriveType::Fixed,
                     const std::string& volumeName = "") {
        drives_.push_back({mountPoint, "/dev/x", "ext4", type, volumeName});
        return *this;
    }

    std::vector<MountedVolume> drives() override { return drives_; }
    VolumeSpace space(const std::string&) override { return everySpace; }

    VolumeSpace everySpace;

private:
    std::vector<MountedVolume> drives_;
};

}  // namespace quorvex::test
