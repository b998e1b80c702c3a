#include <fcntl.h>
#include <unistd.h>

#include "DestinationRig.h"

namespace quorvex {
namespace {

namespace fs = std::filesystem;

void setTimeAndMode(const std::string& path, std::time_t seconds, long nanoseconds, mode_t mode) {
    const timespec times[2] = {{seconds, 0}, {seconds, nanoseconds}};
    ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), times, 0), 0) << path;
    ASSERT_EQ(chmod(path.c_str(), mode), 0) << path;
}

// The permissions a new file gets without asking for any.
mode_t currentUmask() {
    const mode_t mask = umask(022);
    umask(mask);
    return mask;
}

class FaithfulCopyTest : public test::DestinationRig {
protected:
    void expectSameTimeAndMode(const std::string& copy, std::time_t seconds, long nanoseconds,
                               mode_t mode) {
        const struct stat status = statusOf(copy);
        EXPECT_EQ(status.st_mtim.tv_sec, seconds) << copy;
        EXPECT_EQ(status.st_mtim.tv_nsec, nanoseconds) << copy;
        EXPECT_EQ(status.st_mode & 07777, mode) << copy;
    }
};

TEST_F(FaithfulCopyTest, AFileKeepsItsLengthTimeAndPermissionBitsButNeverSetUserId) {
    struct Row {
        const char* name;
        std::size_t size;
        mode_t mode;
        mode_t copied;
    };
    const Row rows[] = {{"plain", 1000, 0640, 0640},
                        {"usual", 100, 0666 & ~currentUmask(), 0666 & ~currentUmask()},
                        {"set-user-id", 1000, 04755, 0755},
                        {"read-only", 5000, 0444, 0444},
                        {"damaged-end", 70000, 0600, 0600}};
    std::time_t seconds = 1100000000;
    for (const Row& row : rows) {
        setTimeAndMode(source.write(row.name, pattern(row.size)), seconds += 1000, 250, row.mode);
        addFile(row.name);
    }
    files.addBadRange(65537, 70000);  // only the last file reaches it

    EXPECT_EQ(run(), RunEnd::ProcessDone);
    seconds = 1100000000;
    for (const Row& row : rows) {
        expectSameTimeAndMode(destination.file(row.name), seconds += 1000, 250, row.copied);
        EXPECT_EQ(statusOf(destination.file(row.name)).st_size, static_cast<off_t>(row.size))
            << row.name << ": an unreadable end reads as zeros";
    }
}

TEST_F(FaithfulCopyTest, FoldersTakeTheirSourcesTimesAndPermissionsAfterTheirContent) {
    fs::create_directories(source.file("photos/2004"));
    source.write("photos/2004/a.jpg", pattern(100));
    source.write("photos/b.jpg", pattern(200));
    setTimeAndMode(source.file("photos/2004"), 1200000000, 0, 0750);
    setTimeAndMode(source.file("photos"), 1300000000, 0, 0555);
    addFolder("photos/");
    addFolder("photos/2004/");
    addFile("photos/2004/a.jpg");
    addFile("photos/b.jpg");

    for (int round = 1; round <= 2; ++round) {
        mode_t meanwhile = 0;
        events.when([this] { return engine.state.CurrentFile == 4; },
                    [&] { meanwhile = statusOf(destination.file("photos")).st_mode & 0777; });
        prompts.answerExistingFile(ExistingFileAnswer::OverwriteAll);
        EXPECT_EQ(run(), RunEnd::ProcessDone);
        EXPECT_EQ(engine.state.FilesCopied, 2) << "round " << round;
        EXPECT_EQ(meanwhile & 0700, 0700u) << "writable for the run, round " << round;
        expectSameTimeAndMode(destination.file("photos"), 1300000000, 0, 0555);
        expectSameTimeAndMode(destination.file("photos/2004"), 1200000000, 0, 0750);
    }
    fs::permissions(source.file("photos"), fs::perms::owner_all);
    fs::permissions(destination.file("photos"), fs::perms::owner_all);
}

}  // namespace
}  // namespace quorvex
