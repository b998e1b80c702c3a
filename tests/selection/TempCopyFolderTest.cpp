#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "FileSystemMethods.h"
#include "TemporaryFolder.h"

namespace quorvex {
namespace {

namespace fs = std::filesystem;

class TempCopyFolderTest : public ::testing::Test {
  protected:
    std::string copyFolder() const { return base.file("qvx_temp_folder"); }

    test::TemporaryFolder base;
    test::TemporaryFolder elsewhere;
};

TEST_F(TempCopyFolderTest, MakesAFreshEmptyFolderEachTime) {
    EXPECT_EQ(FileSystemMethods::CreateTempCopyFolder(base.path()), copyFolder() + "/");
    base.write("qvx_temp_folder/old.txt", "x");
    fs::create_directories(copyFolder() + "/deep/er");
    base.write("qvx_temp_folder/deep/er/f", "y");
    fs::permissions(copyFolder() + "/deep/er/f", fs::perms::owner_read);
    fs::permissions(copyFolder() + "/deep", fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_EQ(FileSystemMethods::CreateTempCopyFolder(base.path()), copyFolder() + "/");
    EXPECT_TRUE(fs::is_empty(copyFolder()));
    FileSystemMethods::RemoveTempCopyFolder(base.path());
    EXPECT_FALSE(fs::exists(copyFolder()));
    FileSystemMethods::RemoveTempCopyFolder(base.path());
}

TEST_F(TempCopyFolderTest, ABaseFolderThatIsMissingOrAFileInTheWayGivesNothing) {
    EXPECT_EQ(FileSystemMethods::CreateTempCopyFolder(base.file("missing/")), "");
    base.write("qvx_temp_folder", "not a folder");
    EXPECT_EQ(FileSystemMethods::CreateTempCopyFolder(base.path()), "");
    EXPECT_EQ(base.read("qvx_temp_folder"), "not a folder");
}

// A link in the folder's place is never followed; links inside it are removed, not their targets.
TEST_F(TempCopyFolderTest, LinksAreNeverFollowed) {
    elsewhere.write("precious.txt", "keep me");
    fs::create_directory_symlink(elsewhere.path(), copyFolder());
    EXPECT_EQ(FileSystemMethods::CreateTempCopyFolder(base.path()), "");
    FileSystemMethods::RemoveTempCopyFolder(base.path());
    EXPECT_EQ(elsewhere.read("precious.txt"), "keep me");
    EXPECT_TRUE(fs::is_symlink(copyFolder()));

    fs::remove(copyFolder());
    ASSERT_NE(FileSystemMethods::CreateTempCopyFolder(base.path()), "");
    fs::create_directory_symlink(elsewhere.path(), copyFolder() + "/folder-link");
    fs::create_symlink(elsewhere.file("precious.txt"), copyFolder() + "/file-link");
    FileSystemMethods::RemoveTempCopyFolder(base.path());
    EXPECT_FALSE(fs::exists(copyFolder()));
    EXPECT_EQ(elsewhere.read("precious.txt"), "keep me");
}

TEST_F(TempCopyFolderTest, AnotherUsersFolderIsLeftAlone) {
    if (geteuid() != 0) GTEST_SKIP() << "handing a folder to another user needs root";
    fs::create_directory(copyFolder());
    base.write("qvx_temp_folder/theirs.txt", "theirs");
    ASSERT_EQ(chown(copyFolder().c_str(), 65534, 65534), 0);
    EXPECT_EQ(FileSystemMethods::CreateTempCopyFolder(base.path()), "");
    FileSystemMethods::RemoveTempCopyFolder(base.path());
    EXPECT_EQ(base.read("qvx_temp_folder/theirs.txt"), "theirs");
}

TEST(SystemTempPathTest, IsTheTemporaryFolderWithOneTrailingSlash) {
    test::TemporaryFolder folder;
    setenv("TMPDIR", folder.path().c_str(), 1);
    EXPECT_EQ(FileSystemMethods::GetSystemTempPath(), folder.path());
}

}  // namespace
}  // namespace quorvex
