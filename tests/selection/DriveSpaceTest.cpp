#include <gtest/gtest.h>

#include "FakeDriveTable.h"
#include "FileSystemMethods.h"
#include "SizeToText.h"

namespace quorvex {
namespace {

class DriveSpaceTest : public ::testing::Test {
  protected:
    DriveSpaceTest() {
        table.add("/", DriveType::Fixed, "ext4", "", {8LL << 30, 6LL << 30})
            .add("/media/stick/", DriveType::Removable, "vfat", "STICK", {1 << 20, 1 << 19})
            .add("/data/", DriveType::Fixed, "xfs", "DATA", {3LL << 30, 2LL << 30})
            .add("/media/cdrom/", DriveType::CdRom, "iso9660", "DISC")
            .add("/srv/", DriveType::Fixed, "ext4", "SRV")
            .add("/home/", DriveType::Fixed, "ext4", "HOME");
    }

    test::FakeDriveTable table;
};

TEST_F(DriveSpaceTest, FreeSpaceIsTheOneOfTheDriveHoldingThePath) {
    EXPECT_EQ(FileSystemMethods::GetDriveFreeSpace(table, "/data/old/file"), 2.0 * (1LL << 30));
    EXPECT_EQ(FileSystemMethods::GetDriveFreeSpace(table, "/database"), 6.0 * (1LL << 30));
    EXPECT_EQ(FileSystemMethods::GetDriveFreeSpace(table, "relative/path"), 0.0);
    table.notReady("/data/");
    EXPECT_EQ(FileSystemMethods::GetDriveFreeSpace(table, "/data/x"), 0.0);
}

TEST_F(DriveSpaceTest, TheTableShowsFixedDrivesOnlyAndStopsAtAFailure) {
    table.notReady("/srv/");
    table.broken("/home/");
    const DriveTableRows result = FileSystemMethods::FillDriveTable(table);
    ASSERT_EQ(result.rows.size(), 3u) << "the broken drive ends the table";
    EXPECT_EQ(result.rows[0],
              (DriveTableRows::Row{"/", "Fixed", "ext4", "", SizeToText(8.0 * (1LL << 30)),
                                   SizeToText(6.0 * (1LL << 30))}));
    EXPECT_EQ(result.rows[1][0], "/data");
    EXPECT_EQ(result.rows[1][3], "DATA");
    EXPECT_EQ(result.rows[2], (DriveTableRows::Row{"/srv", "Fixed", "ext4", "SRV", "", ""}));
    EXPECT_EQ(result.columns[2].caption, "File System");
}

}  // namespace
}  // namespace quorvex
