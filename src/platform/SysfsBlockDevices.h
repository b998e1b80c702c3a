#pragma once

#include <string>

#include "BlockDevices.h"

namespace quorvex {

// Block devices as /sys/class/block describes them; the root can be a test's own tree.
class SysfsBlockDevices final : public BlockDevices {
public:
    explicit SysfsBlockDevices(std::string classBlockFolder = "/sys/class/block");

    bool isRemovable(const std::string& deviceName) override;

private:
    std::string classBlockFolder_;
};

}  // namespace quorvex
