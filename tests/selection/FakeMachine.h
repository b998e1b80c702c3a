#pragma once

#include <filesystem>
#include <string>

#include "LinuxDriveTable.h"
#include "SysfsBlockDevices.h"
#include "TemporaryFolder.h"

namespace quorvex::test {

// A machine whose mount table names folders of a temporary tree, typed through a block-device
// tree of its own: sda is a fixed disk, sdb a USB stick, sr0 a CD drive.
class FakeMachine {
  public:
    FakeMachine() {
        disk("ata1/block/sda", "sda1");
        disk("usb1/1-1/block/sdb", "sdb1");
        disk("ata2/block/sr0", "");
        std::filesystem::create_directories(tree.file("labels"));
    }

    // Adds a mount of the folder `name` below the tree; the folder is made unless `missing`.
    std::string mount(const std::string& name, const std::string& fileSystem,
                      const std::string& source, bool missing = false) {
        if (!missing) std::filesystem::create_directories(tree.file("drives/" + name));
        mountinfo_ += "30 1 8:1 / " + tree.file("drives/" + name) + " rw - " + fileSystem + " " +
                      source + " rw\n";
        tree.write("mountinfo", mountinfo_);
        return tree.file("drives/" + name) + "/";
    }

    // Gives the volume of a device its label, as /dev/disk/by-label does.
    void label(const std::string& name, const std::string& device) {
        std::filesystem::create_symlink(device, tree.file("labels/" + name));
    }

    TemporaryFolder tree;
    SysfsBlockDevices devices{tree.file("sys/class/block")};
    LinuxDriveTable table{devices, tree.file("mountinfo"), tree.file("labels")};

  private:
    void disk(const std::string& path, const std::string& partition) {
        namespace fs = std::filesystem;
        const std::string name = fs::path(path).filename().string();
        const std::string folder = tree.file("sys/devices/" + path);
        fs::create_directories(folder);
        tree.write("sys/devices/" + path + "/removable", "0");
        fs::create_directories(tree.file("sys/class/block"));
        fs::create_symlink(folder, tree.file("sys/class/block/" + name));
        if (partition.empty()) return;
        fs::create_directories(folder + "/" + partition);
        tree.write("sys/devices/" + path + "/" + partition + "/partition", "1");
        fs::create_symlink(folder + "/" + partition, tree.file("sys/class/block/" + partition));
    }

    std::string mountinfo_;
};

}  // namespace quorvex::test
