#include "DriveTable.h"

namespace quorvex {

const MountedVolume* DriveTable::volumeHolding(const std::vector<MountedVolume>& drives,
                                               const std::string& path) {
    const std::string folder = path.ends_with('/') ? path : path + "/";
    const MountedVolume* holder = nullptr;
    for (const MountedVolume& drive : drives)
        if (folder.starts_with(drive.mountPoint) &&
            (holder == nullptr || drive.mountPoint.size() > holder->mountPoint.size()))
            holder = &drive;
    return holder;
}

}  // namespace quorvex
