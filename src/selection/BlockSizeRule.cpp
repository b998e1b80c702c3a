#include "BlockSizeRule.h"

#include "MountedVolume.h"

namespace quorvex {

std::int32_t BlockSizeRule::GetBlockSize(std::int16_t DeviceType, const std::string& DeviceName,
                                         const std::string& DeviceFileSystem) {
    if (DeviceType == DriveType::Fixed || DeviceType == DriveType::Network) return 1024;
    if (DeviceType != DriveType::CdRom) return 512;
    if (DeviceName == "Audio CD") return 0;
    return DeviceFileSystem == "iso9660" ? 2048 : 512;
}

}  // namespace quorvex
