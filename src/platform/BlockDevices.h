#pragma once

#include <string>

namespace quorvex {

// What the system knows of a block device by its name ("sdb1", "sr0").
class BlockDevices {
public:
    virtual ~BlockDevices() = default;

    // A medium that can be taken out: the disk's removable flag, or a disk on USB.
    virtual bool isRemovable(const std::string& deviceName) = 0;
};

}  // namespace quorvex
