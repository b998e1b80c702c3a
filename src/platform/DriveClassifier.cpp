#include "DriveClassifier.h"

#include <span>
#include <string_view>

namespace quorvex {

namespace {

constexpr std::string_view kPseudoFileSystems[] = {
    "proc",     "sysfs",      "cgroup",    "cgroup2",   "devpts",      "devtmpfs",
    "mqueue",   "debugfs",    "tracefs",   "securityfs", "pstore",     "bpf",
    "configfs", "fusectl",    "hugetlbfs", "autofs",    "binfmt_misc", "efivarfs",
    "nsfs",     "rpc_pipefs", "squashfs",  "selinuxfs", "fuse.portal"};

constexpr std::string_view kNetworkFileSystems[] = {
    "nfs", "nfs4", "cifs",      "smb3",        "smbfs", "fuse.sshfs", "sshfs",
    "afs", "ceph", "glusterfs", "fuse.davfs2", "davfs", "9p",         "fuse.rclone"};

bool isOneOf(std::span<const std::string_view> names, const std::string& name) {
    for (const auto candidate : names)
        if (candidate == name) return true;
    return false;
}

std::string deviceNameOf(const std::string& source) {
    constexpr std::string_view prefix = "/dev/";
    if (!source.starts_with(prefix)) return {};
    return source.substr(prefix.size());
}

}  // namespace

DriveClassifier::DriveClassifier(BlockDevices& devices) : devices_(devices) {}

bool DriveClassifier::isDrive(const MountedVolume& volume) {
    return !isOneOf(kPseudoFileSystems, volume.fileSystem);
}

std::int16_t DriveClassifier::typeOf(const MountedVolume& volume) {
    if (isOneOf(kNetworkFileSystems, volume.fileSystem)) return DriveType::Network;
    if (volume.fileSystem == "tmpfs" || volume.fileSystem == "ramfs") return DriveType::RamDisk;
    const std::string device = deviceNameOf(volume.source);
    if (device.starts_with("sr") || volume.fileSystem == "iso9660" || volume.fileSystem == "udf")
        return DriveType::CdRom;
    if (device.empty()) return DriveType::Unknown;
    if (devices_.isRemovable(device)) return DriveType::Removable;
    return DriveType::Fixed;
}

}  // namespace quorvex
