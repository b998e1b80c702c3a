#pragma once

#include <map>
#include <set>
#include <stdexcept>

#include "DriveTable.h"
#include "RunTimeError.h"

namespace quorvex::test {

// Drives of the test's making. A drive can be not ready (error 71) or broken (another error).
class FakeDriveTable final : public DriveTable {
  public:
    FakeDriveTable& add(const std::string& mountPoint, std::int16_t type,
                        const std::string& fileSystem = "ext4", const std::string& volumeName = "",
                        VolumeSpace space = {1000, 400}) {
        drives_.push_back({mountPoint, "/dev/x", fileSystem, type, volumeName});
        spaces_[mountPoint] = space;
        return *this;
    }
    void notReady(const std::string& mountPoint) { notReady_.insert(mountPoint); }
    void broken(const std::string& mountPoint) { broken_.insert(mountPoint); }

    std::vector<MountedVolume> drives() override { return drives_; }
    VolumeSpace space(const std::string& mountPoint) override {
        if (notReady_.contains(mountPoint))
            throw RunTimeError(ErrorNumber::DiskNotReady, mountPoint);
        if (broken_.contains(mountPoint))
            throw RunTimeError(ErrorNumber::PathFileAccessError, mountPoint);
        return spaces_.at(mountPoint);
    }

  private:
    std::vector<MountedVolume> drives_;
    std::map<std::string, VolumeSpace> spaces_;
    std::set<std::string> notReady_;
    std::set<std::string> broken_;
};

}  // namespace quorvex::test
