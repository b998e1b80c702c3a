#include "LinuxDriveTable.h"

#include <sys/statvfs.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "DriveClassifier.h"
#include "MountTable.h"
#include "RunTimeError.h"

namespace quorvex {

namespace {

// Labels escape blanks and other bytes as \xHH.
std::string unescapeLabel(const std::string& name) {
    std::string label;
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (name.compare(i, 2, "\\x") == 0 && i + 3 < name.size() &&
            std::isxdigit(static_cast<unsigned char>(name[i + 2])) &&
            std::isxdigit(static_cast<unsigned char>(name[i + 3]))) {
            label += static_cast<char>(std::stoi(name.substr(i + 2, 2), nullptr, 16));
            i += 3;
        } else {
            label += name[i];
        }
    }
    return label;
}

}  // namespace

LinuxDriveTable::LinuxDriveTable(BlockDevices& devices, std::string mountinfo,
                                 std::string labelsFolder)
    : devices_(devices), mountinfo_(std::move(mountinfo)), labelsFolder_(std::move(labelsFolder)) {}

std::vector<MountedVolume> LinuxDriveTable::drives() {
    std::ifstream input(mountinfo_);
    const std::string text(std::istreambuf_iterator<char>(input), {});
    // A later mount on the same point hides the earlier one.
    std::map<std::string, MountedVolume> byMountPoint;
    for (MountedVolume& volume : MountTable::parse(text)) byMountPoint[volume.mountPoint] = volume;

    DriveClassifier classifier(devices_);
    const auto labels = labelsByDevice();
    std::vector<MountedVolume> drives;
    for (auto& [mountPoint, volume] : byMountPoint) {
        if (!DriveClassifier::isDrive(volume)) continue;
        volume.type = classifier.typeOf(volume);
        if (volume.type == DriveType::Network) {
            volume.volumeName = volume.source;
        } else if (const auto label = labels.find(volume.source); label != labels.end()) {
            volume.volumeName = label->second;
        }
        drives.push_back(volume);
    }
    return drives;
}

VolumeSpace LinuxDriveTable::space(const std::string& mountPoint) {
    struct statvfs status {};
    if (statvfs(mountPoint.c_str(), &status) != 0)
        throw RunTimeError(ErrorNumber::DiskNotReady, mountPoint);
    const auto unit = static_cast<std::int64_t>(status.f_frsize);
    return {static_cast<std::int64_t>(status.f_blocks) * unit,
            static_cast<std::int64_t>(status.f_bavail) * unit};
}

std::map<std::string, std::string> LinuxDriveTable::labelsByDevice() const {
    std::map<std::string, std::string> labels;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(labelsFolder_, error)) {
        const auto target = std::filesystem::read_symlink(entry.path(), error);
        if (error) continue;
        const auto device = (entry.path().parent_path() / target).lexically_normal();
        labels[device.string()] = unescapeLabel(entry.path().filename().string());
    }
    return labels;
}

}  // namespace quorvex
