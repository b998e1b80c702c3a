#include <gtest/gtest.h>

#include "DriveListing.h"
#include "FakeDriveTable.h"

namespace quorvex {
namespace {

std::vector<std::string> textsOf(const DriveListing& listing) {
    std::vector<std::string> texts;
    for (const auto& row : listing.rows()) texts.push_back(row.text);
    return texts;
}

class DriveListingTest : public ::testing::Test {
  protected:
    DriveListingTest() {
        table.add("/media/floppy/", DriveType::Removable, "vfat")
            .add("/", DriveType::Fixed)
            .add("/media/cdrom/", DriveType::CdRom, "iso9660", "DISC")
            .add("/mnt/share/", DriveType::Network, "nfs4", "server:/export")
            .add("/run/user/", DriveType::RamDisk, "tmpfs");
    }

    test::FakeDriveTable table;
    DriveListing listing{table};
};

TEST_F(DriveListingTest, ListsEveryDriveWithItsTypeAndStartsOnTheFirstReadableOne) {
    listing.ShowDevices();
    EXPECT_EQ(
        textsOf(listing),
        (std::vector<std::string>{"/media/floppy - Removable", "/ - Fixed", "/media/cdrom - CD-ROM",
                                  "/mnt/share - Remote", "/run/user - Flash Drive"}));
    EXPECT_EQ(listing.rows()[3].info, "server:/export");
    EXPECT_EQ(listing.CurrentDriveIndex, 2) << "the removable drive has block size 0";
    EXPECT_EQ(listing.CurrentDriveName, "/");
    EXPECT_EQ(listing.buttonCount(), 3);
    EXPECT_EQ(listing.pressedButton(), 2);
    EXPECT_EQ(listing.selectedRow(), 2);

    table.broken("/mnt/share/");
    listing.ShowDevices();
    EXPECT_EQ(listing.rows().size(), 3u) << "a failure keeps the rows listed before it";
    EXPECT_EQ(listing.CurrentDriveName, "/") << "the earlier choice stays";
    EXPECT_EQ(listing.selectedRow(), 2);
}

TEST_F(DriveListingTest, WithoutRemovablesOnlyUnknownFixedAndNetworkDrivesAreListed) {
    table.add("/mnt/image/", DriveType::Unknown, "fuse.image");
    listing.ShowRemovables = false;
    listing.ShowDevices();
    EXPECT_EQ(textsOf(listing), (std::vector<std::string>{"/ - Fixed", "/mnt/share - Remote",
                                                          "/mnt/image - Unknown"}));
    EXPECT_EQ(listing.CurrentDriveIndex, 1);
}

TEST_F(DriveListingTest, EmptyAndAudioDiscsArePassedOverAtStart) {
    test::FakeDriveTable discs;
    discs.add("/media/empty/", DriveType::CdRom, "iso9660")
        .add("/media/music/", DriveType::CdRom, "iso9660", "Audio CD")
        .add("/media/data/", DriveType::CdRom, "udf", "BACKUP");
    discs.notReady("/media/empty/");
    DriveListing cds(discs);
    cds.ShowDevices();
    ASSERT_EQ(cds.rows().size(), 3u) << "a drive that is not ready is still listed";
    EXPECT_EQ(cds.rows()[0].info, "");
    EXPECT_EQ(cds.rows()[0].blockSize, 0);
    EXPECT_EQ(cds.rows()[1].blockSize, 0);
    EXPECT_EQ(cds.rows()[2].blockSize, 512);
    EXPECT_EQ(cds.CurrentDriveName, "/media/data/");
    EXPECT_EQ(cds.pressedButton(), 3);
}

TEST_F(DriveListingTest, NoReadableDriveStartsOnTheFirstAndNoDriveOnNone) {
    test::FakeDriveTable sticks;
    sticks.add("/media/a/", DriveType::Removable).add("/media/b/", DriveType::Removable);
    DriveListing removables(sticks);
    removables.ShowDevices();
    EXPECT_EQ(removables.CurrentDriveName, "/media/a/");
    test::FakeDriveTable none;
    DriveListing empty(none);
    empty.ShowDevices();
    EXPECT_EQ(empty.CurrentDriveIndex, 0);
    EXPECT_EQ(empty.CurrentDriveName, "");
    EXPECT_EQ(empty.pressedButton(), 0);
}

}  // namespace
}  // namespace quorvex
