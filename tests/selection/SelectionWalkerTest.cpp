#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <limits>
#include <optional>

#include "FileDescriptor.h"
#include "SelectionWalker.h"
#include "TemporaryFolder.h"

namespace quorvex {
namespace {

namespace fs = std::filesystem;
using Entries = std::vector<std::string>;
using LeftOut = std::vector<std::pair<std::string, std::string>>;

Entries sorted(Entries entries) {
    std::ranges::sort(entries);
    return entries;
}

LeftOut leftOutOf(const Selection& selection) {
    LeftOut found;
    for (const Selection::LeftOut& item : selection.leftOut)
        found.emplace_back(item.path, item.reason);
    std::ranges::sort(found);
    return found;
}

// A tree with every kind of entry a disk can hold:
//   data/real.bin (100 bytes), data/sub/inner.txt (5 bytes),
//   links data/alias.bin -> real.bin, data/up -> .. (a folder and a loop), data/self -> self,
//   data/dangling -> missing, and a named pipe, a socket and two device files.
class SelectionWalkerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::create_directories(data() + "sub");
        folder.write("data/real.bin", std::string(100, 'r'));
        folder.write("data/sub/inner.txt", "inner");
        fs::create_symlink("real.bin", data() + "alias.bin");
        fs::create_symlink("..", data() + "up");
        fs::create_symlink("self", data() + "self");
        fs::create_symlink("missing", data() + "dangling");
        ASSERT_EQ(mkfifo((data() + "pipe").c_str(), 0600), 0);
        makeSocket(data() + "socket");
        devices = mknod((data() + "chr").c_str(), S_IFCHR | 0600, makedev(1, 3)) == 0 &&
                  mknod((data() + "blk").c_str(), S_IFBLK | 0600, makedev(7, 0)) == 0;
    }

    std::string data() const { return folder.path() + "data/"; }

    void makeSocket(const std::string& path) {
        socket_.emplace(::socket(AF_UNIX, SOCK_STREAM, 0));
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        ASSERT_LT(path.size(), sizeof address.sun_path);
        std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
        ASSERT_EQ(bind(socket_->get(), reinterpret_cast<const sockaddr*>(&address), sizeof address),
                  0);
    }

    // The walk of data/ below the given folder path, which ends with "/".
    Entries dataEntries(const std::string& at) const {
        return sorted({at + "alias.bin", at + "dangling", at + "real.bin", at + "self", at + "up",
                       "\t" + at + "sub/", at + "sub/inner.txt"});
    }
    LeftOut dataLeftOut(const std::string& at) const {
        LeftOut expected = {{at + "pipe", "a named pipe"}, {at + "socket", "a socket"}};
        if (devices) {
            expected.emplace_back(at + "chr", "a device file");
            expected.emplace_back(at + "blk", "a device file");
        }
        std::ranges::sort(expected);
        return expected;
    }

    test::TemporaryFolder folder;
    std::optional<FileDescriptor> socket_;
    bool devices = false;
};

// The root of a whole walk is followed when it is a link; below it no link is.
TEST_F(SelectionWalkerTest, LinksAreEntriesOfTheirOwnAndSpecialFilesAreLeftOutWithTheReason) {
    fs::create_directory_symlink("data", folder.file("linked"));
    for (const std::string& root : {data(), folder.file("linked")}) {
        const std::string at = root.ends_with('/') ? root : root + "/";
        const Selection selection = SelectionWalker().collectAll(root);
        EXPECT_EQ(sorted(selection.entries), dataEntries(at)) << root;
        EXPECT_EQ(leftOutOf(selection), dataLeftOut(at)) << root;
        EXPECT_EQ(selection.totalBytes, 105) << "a link counts 0 bytes, whatever it points to";
        EXPECT_TRUE(selection.unreadFolders.empty());
        EXPECT_FALSE(selection.full);
    }
}

TEST_F(SelectionWalkerTest, AMarkedNameIsTakenAsWhatItIsNeverThroughALink) {
    struct Case {
        std::string name;
        Entries entries;
        LeftOut leftOut;
        std::int64_t bytes;
    };
    const std::string d = data();
    const Case cases[] = {
        {"data/real.bin", {d + "real.bin"}, {}, 100},
        {"data/alias.bin", {d + "alias.bin"}, {}, 0},
        {"data/up/", {d + "up"}, {}, 0},
        {"data/self", {d + "self"}, {}, 0},
        {"data/dangling", {d + "dangling"}, {}, 0},
        {"data/sub", {"\t" + d + "sub", d + "sub/inner.txt"}, {}, 5},
        {"data/pipe", {}, {{d + "pipe", "a named pipe"}}, 0},
        {"data/socket", {}, {{d + "socket", "a socket"}}, 0},
        {"data/absent", {}, {}, 0},
    };
    for (const Case& c : cases) {
        const Selection selection = SelectionWalker().collectSelected(folder.path(), {c.name});
        EXPECT_EQ(selection.entries, c.entries) << c.name;
        EXPECT_EQ(leftOutOf(selection), c.leftOut) << c.name;
        EXPECT_EQ(selection.totalBytes, c.bytes) << c.name;
    }
    const Selection device = SelectionWalker().collectSelected("/dev", {"null"});
    EXPECT_EQ(leftOutOf(device), LeftOut({{"/dev/null", "a device file"}}));
}

// A folder that may be listed but not searched shows its names, yet none of them can be looked
// at: its content is missing and must be reported, not dropped in silence. The superuser may
// search any folder, so the walk then runs in a child process as nobody.
TEST_F(SelectionWalkerTest, AFolderWhoseEntriesCannotBeLookedAtIsReportedAsUnread) {
    fs::permissions(folder.path(), fs::perms::owner_all | fs::perms::others_exec);
    fs::permissions(data(),
                    fs::perms::owner_read | fs::perms::others_read | fs::perms::others_exec);
    fs::permissions(data() + "sub", fs::perms::owner_read | fs::perms::others_read);
    const auto unread = [&] {
        const Selection selection = SelectionWalker().collectSelected(folder.path(), {"data/sub"});
        return selection.unreadFolders == Entries{data() + "sub/"} && selection.entries.size() == 1;
    };
    bool reported = false;
    if (geteuid() != 0) {
        reported = unread();
    } else {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) _exit(setgid(65534) == 0 && setuid(65534) == 0 && unread() ? 0 : 1);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        reported = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }
    fs::permissions(data() + "sub", fs::perms::owner_all);
    fs::permissions(data(), fs::perms::owner_all);
    EXPECT_TRUE(reported);
}

// Left-out items take room in the list too, so a tree of pipes cannot grow it without bound.
TEST_F(SelectionWalkerTest, EntriesAndLeftOutItemsTogetherStopAtTheEntryLimit) {
    WalkOptions options;
    options.maxEntries = 3;
    const Selection selection = SelectionWalker(options).collectSelected(folder.path(), {"data"});
    EXPECT_TRUE(selection.full);
    EXPECT_EQ(selection.entries.size() + selection.leftOut.size(), 3u);

    options.maxEntries = 100;
    EXPECT_FALSE(SelectionWalker(options).collectAll(data()).full);
}

bool makeSparse(const std::string& path, std::int64_t length) {
    const FileDescriptor file(open(path.c_str(), O_CREAT | O_WRONLY | O_CLOEXEC, 0600));
    return file.isOpen() && ftruncate(file.get(), length) == 0;
}

// Sparse files of 2^62 bytes need a file system that allows them, such as tmpfs.
TEST(SelectionWalkerTotalTest, SizesBeyondTheRangeOfTheTotalSaturateInsteadOfOverflowing) {
    const std::string shm = "/dev/shm/quorvex-walker-" + std::to_string(getpid()) + "/";
    std::error_code ignored;
    fs::create_directory(shm, ignored);
    bool made = true;
    for (const char* name : {"a", "b", "c"}) made = made && makeSparse(shm + name, 1LL << 62);
    const Selection selection = SelectionWalker().collectAll(shm);
    fs::remove_all(shm, ignored);
    if (!made) GTEST_SKIP() << "no file system here holds sparse files of 2^62 bytes";
    EXPECT_EQ(selection.entries.size(), 3u);
    EXPECT_EQ(selection.totalBytes, std::numeric_limits<std::int64_t>::max());
}

}  // namespace
}  // namespace quorvex
