#include <gtest/gtest.h>

#include <filesystem>

#include "ErrorNumberOf.h"
#include "LinuxDriveTable.h"
#include "RunTimeError.h"
#include "SysfsBlockDevices.h"
#include "TemporaryFolder.h"

namespace quorvex {
namespace {

namespace fs = std::filesystem;

// A machine of the test's own: a mount table, a /sys/class/block tree and disk labels.
class DriveTableTest : public ::testing::Test {
protected:
    DriveTableTest() {
        disk("devices/pci0/ata1/block/sda", "0");
        partition("sda", "sda1");
        disk("devices/pci0/usb1/1-1/block/sdb", "0");
        partition("sdb", "sdb1");
        disk("devices/virtual/block/mmcblk0", "1");
        partition("mmcblk0", "mmcblk0p1");
        disk("devices/pci0/ata2/block/sr0", "1");
        fs::create_directories(machine.file("labels"));
        fs::create_symlink("/dev/sdb1", machine.file("labels/MY\\x20STICK"));
        machine.write("mountinfo",
                      "22 27 0:21 / /proc rw - proc proc rw\n"
                      "27 1 8:1 / / rw,relatime - ext4 /dev/sda1 rw\n"
                      "30 27 8:17 / /media/user/MY\\040STICK rw shared:5 - vfat /dev/sdb1 rw\n"
                      "31 27 179:1 / /media/card rw - exfat /dev/mmcblk0p1 rw\n"
                      "32 27 11:0 / /media/cdrom ro - iso9660 /dev/sr0 ro\n"
                      "33 27 0:40 / /mnt/share rw - nfs4 server:/export rw\n"
                      "34 27 0:41 / /tmp rw - tmpfs tmpfs rw\n"
                      "35 27 0:42 / /sys/fs/cgroup rw - cgroup2 cgroup2 rw\n"
                      "36 27 0:43 / /mnt/image rw - fuse.quorvex-rig quorvex-rig rw\n"
                      "37 27 0:44 / /tmp rw - ext4 /dev/sda1 rw\n"
                      "garbage line\n");
    }

    void disk(const std::string& path, const char* removable) {
        fs::create_directories(machine.file("sys/" + path));
        machine.write("sys/" + path + "/removable", removable);
        fs::create_directories(machine.file("sys/class/block"));
        fs::create_symlink(machine.file("sys/" + path),
                           machine.file("sys/class/block/" + fs::path(path).filename().string()));
    }
    void partition(const std::string& diskName, const std::string& name) {
        const auto diskPath = fs::canonical(machine.file("sys/class/block/" + diskName));
        fs::create_directories(diskPath / name);
        machine.write(fs::relative(diskPath / name / "partition", machine.path()).string(), "1");
        fs::create_symlink(diskPath / name, machine.file("sys/class/block/" + name));
    }

    test::TemporaryFolder machine;
    SysfsBlockDevices devices{machine.file("sys/class/block")};
    LinuxDriveTable table{devices, machine.file("mountinfo"), machine.file("labels")};
};

// Volumes that hold files, by mount point: no kernel file systems, and the later of two mounts on
// one point wins. Types come from the file system and the block device (a stick on USB, a card by
// its removable flag); names from labels and shares.
TEST_F(DriveTableTest, ListsVolumesThatHoldFilesWithTheirTypesAndNames) {
    struct Row {
        const char* point;
        std::int16_t type;
        const char* name;
        const char* fileSystem;
    };
    const Row rows[] = {{"/", DriveType::Fixed, "", "ext4"},
                        {"/media/card/", DriveType::Removable, "", "exfat"},
                        {"/media/cdrom/", DriveType::CdRom, "", "iso9660"},
                        {"/media/user/MY STICK/", DriveType::Removable, "MY STICK", "vfat"},
                        {"/mnt/image/", DriveType::Unknown, "", "fuse.quorvex-rig"},
                        {"/mnt/share/", DriveType::Network, "server:/export", "nfs4"},
                        {"/tmp/", DriveType::Fixed, "", "ext4"}};
    const auto drives = table.drives();
    ASSERT_EQ(drives.size(), std::size(rows));
    for (std::size_t index = 0; index < drives.size(); ++index) {
        EXPECT_EQ(drives[index].mountPoint, rows[index].point);
        EXPECT_EQ(drives[index].type, rows[index].type) << rows[index].point;
        EXPECT_EQ(drives[index].volumeName, rows[index].name) << rows[index].point;
        EXPECT_EQ(drives[index].fileSystem, rows[index].fileSystem) << rows[index].point;
    }
}

TEST_F(DriveTableTest, APathBelongsToTheDriveWithTheLongestMountPoint) {
    const auto drives = table.drives();
    EXPECT_EQ(DriveTable::volumeHolding(drives, "/media/cdrom/a/b.txt")->mountPoint, "/media/cdrom/");
    EXPECT_EQ(DriveTable::volumeHolding(drives, "/media/cdrom")->mountPoint, "/media/cdrom/");
    EXPECT_EQ(DriveTable::volumeHolding(drives, "/media/cdromx/f")->mountPoint, "/");
    EXPECT_EQ(DriveTable::volumeHolding({}, "/x"), nullptr);
}

TEST_F(DriveTableTest, AVolumeThatDoesNotAnswerIsNotReady) {
    EXPECT_GT(table.space("/").total, 0);
    EXPECT_EQ(test::errorNumberOf([&] { table.space(machine.file("nowhere")); }),
              ErrorNumber::DiskNotReady);
}

TEST(LiveDriveTableTest, TheRootOfThisMachineIsADrive) {
    SysfsBlockDevices devices;
    LinuxDriveTable table(devices);
    const auto drives = table.drives();
    ASSERT_NE(DriveTable::volumeHolding(drives, "/etc/hostname"), nullptr);
    for (const auto& volume : drives) EXPECT_NE(volume.fileSystem, "proc");
}

}  // namespace
}  // namespace quorvex
