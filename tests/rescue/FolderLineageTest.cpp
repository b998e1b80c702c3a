#include <gtest/gtest.h>

#include <filesystem>

#include "FolderLineage.h"
#include "TemporaryFolder.h"

namespace quorvex {
namespace {

namespace fs = std::filesystem;

// A folder reached through a link is the same folder; one not made yet is judged by the
// folder it will be made in; an inode number alone names nothing without its device.
TEST(FolderLineage, FoldersAreKnownByDeviceAndInodeWhateverPathLeadsThere) {
    test::TemporaryFolder folder;
    fs::create_directories(folder.file("a/b"));
    fs::create_directory_symlink(folder.file("a"), folder.file("other-name"));
    const FolderLineage a = FolderLineage::of(folder.file("a"));
    const FolderLineage b = FolderLineage::of(folder.file("other-name/b"));
    const FolderLineage later = FolderLineage::of(folder.file("other-name/b/not/made"));

    EXPECT_TRUE(b.reaches(a.self()));
    EXPECT_FALSE(a.reaches(b.self()));
    EXPECT_TRUE(later.reaches(b.self()));
    EXPECT_FALSE(later.whole());
    EXPECT_TRUE(b.whole());
    const FolderIdentity elsewhere{a.self().device + 1, a.self().inode};
    EXPECT_FALSE(b.reaches(elsewhere));
}

}  // namespace
}  // namespace quorvex
