#pragma once

#include <cstdint>
#include <string>

namespace quorvex {

// Drive type numbers: 0 unknown, 1 removable, 2 fixed, 3 network, 4 CD-ROM, 5 RAM disk.
namespace DriveType {
constexpr std::int16_t Unknown = 0;
constexpr std::int16_t Removable = 1;
constexpr std::int16_t Fixed = 2;
constexpr std::int16_t Network = 3;
constexpr std::int16_t CdRom = 4;
constexpr std::int16_t RamDisk = 5;
}  // namespace DriveType

// A mounted volume, the platform's drive. Its name is its mount point, with a trailing "/".
struct MountedVolume {
    std::string mountPoint;
    // The device or share it comes from: "/dev/sdb1", "server:/export", "//server/share".
    std::string source;
    std::string fileSystem;
    std::int16_t type = DriveType::Unknown;
    // The volume's label; for a network volume its share name.
    std::string volumeName;
};

}  // namespace quorvex
