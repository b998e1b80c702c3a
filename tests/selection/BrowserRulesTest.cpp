#include <gtest/gtest.h>

#include "BlockSizeRule.h"
#include "MountedVolume.h"

namespace quorvex {
namespace {

TEST(BlockSizeRuleTest, BlockSizeFollowsTheDriveTypeAndTheCdFileSystem) {
    EXPECT_EQ(BlockSizeRule::GetBlockSize(DriveType::CdRom, "Audio CD", "iso9660"), 0);
    EXPECT_EQ(BlockSizeRule::GetBlockSize(DriveType::CdRom, "DATA", "iso9660"), 2048);
    EXPECT_EQ(BlockSizeRule::GetBlockSize(DriveType::CdRom, "DATA", "udf"), 512);
    EXPECT_EQ(BlockSizeRule::GetBlockSize(DriveType::CdRom, "DATA", "ISO9660"), 512);
    EXPECT_EQ(BlockSizeRule::GetBlockSize(DriveType::Removable, "x", "vfat"), 512);
    EXPECT_EQ(BlockSizeRule::GetBlockSize(DriveType::Fixed, "x", "ext4"), 1024);
    EXPECT_EQ(BlockSizeRule::GetBlockSize(DriveType::Network, "share", "nfs"), 1024);
    EXPECT_EQ(BlockSizeRule::GetBlockSize(DriveType::RamDisk, "x", "tmpfs"), 512);
}

}  // namespace
}  // namespace quorvex
