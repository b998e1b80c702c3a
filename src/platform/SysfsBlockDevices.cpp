#include "SysfsBlockDevices.h"

#include <filesystem>
#include <fstream>

namespace quorvex {

namespace {

bool flagIsSet(const std::filesystem::path& file) {
    std::ifstream input(file);
    char flag = '0';
    return input >> flag && flag == '1';
}

}  // namespace

SysfsBlockDevices::SysfsBlockDevices(std::string classBlockFolder)
    : classBlockFolder_(std::move(classBlockFolder)) {}

// A partition's folder lies inside its disk's folder, so the disk's flag is one level up.
bool SysfsBlockDevices::isRemovable(const std::string& deviceName) {
    if (deviceName.empty() || deviceName.find('/') != std::string::npos) return false;
    std::error_code error;
    const auto device =
        std::filesystem::canonical(std::filesystem::path(classBlockFolder_) / deviceName, error);
    if (error) return false;
    if (device.string().find("/usb") != std::string::npos) return true;
    if (flagIsSet(device / "removable")) return true;
    return std::filesystem::exists(device / "partition") && flagIsSet(device.parent_path() / "removable");
}

}  // namespace quorvex
