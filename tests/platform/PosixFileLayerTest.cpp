#include <fcntl.h>
#include <sys/stat.h>

#include <gtest/gtest.h>
#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <filesystem>

#include "ErrorNumberOf.h"
#include "FaultySystemCalls.h"
#include "PosixFileLayer.h"
#include "RunTimeError.h"
#include "TemporaryFolder.h"

namespace quorvex {
namespace {

using test::errorNumberOf;

using test::Fault;
using test::FaultySystemCalls;

class PosixFileLayerTest : public ::testing::Test {
protected:
    std::string readAt(int number, std::int64_t position, std::size_t count) {
        std::string bytes(count, '\0');
        bytes.resize(files.read(number, position, bytes));
        return bytes;
    }
    void writeAt(int number, std::int64_t position, const std::string& bytes) {
        files.write(number, position, bytes);
    }

    test::TemporaryFolder folder;
    FaultySystemCalls calls;
    PosixFileLayer files{calls};
};

// Positions beyond four gibibytes stay exact.
TEST_F(PosixFileLayerTest, ReadsAndWritesAtOneBasedPositions) {
    const std::string path = folder.file("copy.bin");
    files.open(FileNumber::Destination, path, FileOpenMode::ReadWrite);
    writeAt(FileNumber::Destination, 1, "hello");
    writeAt(FileNumber::Destination, 4, "XY");

    EXPECT_EQ(files.length(FileNumber::Destination), 5);
    EXPECT_EQ(files.openMode(FileNumber::Destination), FileOpenMode::ReadWrite);
    EXPECT_EQ(calls.calls("posix_fadvise"), 0) << "only sources are read without read-ahead";
    EXPECT_EQ(readAt(FileNumber::Destination, 2, 3), "elX");
    EXPECT_EQ(readAt(FileNumber::Destination, 4, 100), "XY") << "a read past the end is short";
    EXPECT_EQ(readAt(FileNumber::Destination, 6, 10), "");
    files.closeAll();
    EXPECT_EQ(folder.read("copy.bin"), "helXY");

    constexpr std::int64_t beyondFour = (std::int64_t{5} << 30) + 7;
    files.open(FileNumber::Destination, folder.file("sparse.bin"), FileOpenMode::ReadWrite);
    writeAt(FileNumber::Destination, beyondFour, "Z");
    EXPECT_EQ(files.length(FileNumber::Destination), beyondFour);
    EXPECT_EQ(readAt(FileNumber::Destination, beyondFour, 4), "Z");
    EXPECT_EQ(readAt(FileNumber::Destination, beyondFour - 1, 1), std::string(1, '\0'));
}

// Reads past the page cache take any position and length: the layer reads the sectors around
// them. A failing sector raises as a failing read does; a file system that refuses such reads
// at every sector size is not asked again. Ordinary reads keep the cache afterwards.
TEST_F(PosixFileLayerTest, ReadsPastTheCacheAtAnyPositionOrSaysItCannot) {
    std::string bytes;
    for (int at = 0; at < 10000; ++at) bytes.push_back(static_cast<char>(at % 251));
    folder.write("disc.bin", bytes);
    files.open(FileNumber::Source, folder.file("disc.bin"), FileOpenMode::Read);
    std::string piece(700, '\0');
    const auto count = files.readSectors(FileNumber::Source, 1000, piece);
    if (!count) GTEST_SKIP() << "the temporary folder's file system cannot read past its cache";
    EXPECT_EQ(*count, 700u);
    EXPECT_EQ(piece, bytes.substr(999, 700));
    std::string tail(500, '\0');
    EXPECT_EQ(files.readSectors(FileNumber::Source, 9800, tail), 201u) << "up to the end";
    EXPECT_EQ(tail.substr(0, 201), bytes.substr(9799));
    EXPECT_EQ(readAt(FileNumber::Source, 3, 5), bytes.substr(2, 5)) << "unaligned, through the cache";

    calls.script("pread", Fault::error(EIO));
    EXPECT_EQ(errorNumberOf([&] { files.readSectors(FileNumber::Source, 1, piece); }),
              ErrorNumber::PathFileAccessError);
    for (int size = 512; size <= 4096; size *= 2) calls.script("pread", Fault::error(EINVAL));
    EXPECT_EQ(files.readSectors(FileNumber::Source, 1, piece), std::nullopt);
    const int preads = calls.calls("pread");
    EXPECT_EQ(files.readSectors(FileNumber::Source, 1, piece), std::nullopt);
    EXPECT_EQ(calls.calls("pread"), preads) << "not asked again";
    EXPECT_EQ(readAt(FileNumber::Source, 3, 5), bytes.substr(2, 5));
}

TEST_F(PosixFileLayerTest, CopiesARangeInsideTheKernelOrSaysItCannot) {
    files.open(FileNumber::Source, folder.write("in", "0123456789"), FileOpenMode::Read);
    files.open(FileNumber::Destination, folder.file("out"), FileOpenMode::ReadWrite);
    calls.script("copy_file_range", Fault::shortTransfer(2));
    calls.script("copy_file_range", Fault::error(EINTR));
    EXPECT_EQ(files.copyRange(FileNumber::Source, FileNumber::Destination, 3, 100), 8u);
    EXPECT_EQ(readAt(FileNumber::Destination, 1, 20), std::string(2, '\0') + "23456789");

    calls.script("copy_file_range", Fault::error(EIO));
    EXPECT_EQ(files.copyRange(FileNumber::Source, FileNumber::Destination, 1, 4), std::nullopt)
        << "a failure is left to the caller's own read and write";
    EXPECT_NE(files.copyRange(FileNumber::Source, FileNumber::Destination, 1, 4), std::nullopt);

    calls.script("copy_file_range", Fault::error(EXDEV));
    EXPECT_EQ(files.copyRange(FileNumber::Source, FileNumber::Destination, 1, 4), std::nullopt);
    const int before = calls.calls("copy_file_range");
    EXPECT_EQ(files.copyRange(FileNumber::Source, FileNumber::Destination, 1, 4), std::nullopt);
    EXPECT_EQ(calls.calls("copy_file_range"), before) << "not asked again after a refusal";
}

// Where the file system cannot tell, no hole is made up: ENXIO says "no data from here" but is
// believed only where SEEK_HOLE finds a hole; a file with a block for every byte is not searched.
TEST_F(PosixFileLayerTest, TellsWhereTheDataOfASparseFileLies) {
    constexpr std::int64_t MiB = 1 << 20;
    const std::string path = folder.file("sparse.bin");
    files.open(FileNumber::Destination, path, FileOpenMode::ReadWrite);
    writeAt(FileNumber::Destination, 1, std::string(4096, 'a'));
    writeAt(FileNumber::Destination, MiB + 1, std::string(4096, 'b'));
    files.closeAll();
    std::filesystem::resize_file(path, 3 * MiB);
    files.open(FileNumber::Source, path, FileOpenMode::Read);
    const std::pair<std::int64_t, DataExtent> table[] = {
        {1, {1, 4097}},
        {100, {100, 4097}},
        {4097, {MiB + 1, MiB + 4097}},
        {MiB + 4097, {3 * MiB + 1, 3 * MiB + 1}},  // only a hole is left
        {3 * MiB + 1, {3 * MiB + 1, 3 * MiB + 1}}};
    for (const auto& [position, extent] : table)
        EXPECT_EQ(files.nextData(FileNumber::Source, position), extent) << "at " << position;
    for (const int errnoValue : {EINVAL, EIO, ENODEV, ENOTCONN, ENXIO}) {
        calls.script("lseek", Fault::error(errnoValue));
        EXPECT_EQ(files.nextData(FileNumber::Source, 1), std::nullopt) << "errno " << errnoValue;
    }
    files.closeAll();
    const int seeks = calls.calls("lseek");
    files.open(FileNumber::Source, folder.write("dense", std::string(8192, 'd')), FileOpenMode::Read);
    EXPECT_EQ(files.nextData(FileNumber::Source, 1), std::nullopt);
    EXPECT_EQ(calls.calls("lseek"), seeks);
}

// Each refusal leaves nothing behind: a missing file opened for reading is not made, nor the
// target of a link opened as the destination; a pipe does not hold the open, and a refused
// descriptor is closed again. A source is never read through a link at its name's end; only
// the program's own data files are.
TEST_F(PosixFileLayerTest, RefusesMisusedNumbersAndPositionsAndFilesItMustNotOpen) {
    const test::TemporaryFolder elsewhere;
    const std::string path = folder.write("a.txt", "abc");
    const std::string pipe = folder.file("pipe");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    std::filesystem::create_symlink(elsewhere.file("made-outside"), folder.file("link"));
    const auto opening = [this](int number, const std::string& name, FileOpenMode mode) {
        return errorNumberOf([&] { files.open(number, name, mode); });
    };
    EXPECT_EQ(opening(0, path, FileOpenMode::Read), ErrorNumber::BadFileNameOrNumber);
    EXPECT_EQ(errorNumberOf([&] { readAt(FileNumber::Source, 1, 1); }),
              ErrorNumber::BadFileNameOrNumber);
    EXPECT_EQ(opening(FileNumber::Source, folder.file("missing"), FileOpenMode::Read),
              ErrorNumber::FileNotFound);
    EXPECT_FALSE(files.exists(folder.file("missing")));
    EXPECT_EQ(opening(FileNumber::Destination, folder.file("link"), FileOpenMode::ReadWrite),
              ErrorNumber::LinkInPath);
    EXPECT_FALSE(std::filesystem::exists(elsewhere.file("made-outside")));
    std::filesystem::create_symlink(path, folder.file("to-a"));
    EXPECT_EQ(opening(FileNumber::Source, folder.file("to-a"), FileOpenMode::Read),
              ErrorNumber::LinkInPath);
    files.open(FileNumber::Text, folder.file("to-a"), FileOpenMode::ReadThroughLink);
    EXPECT_EQ(readAt(FileNumber::Text, 1, 3), "abc");
    files.close(FileNumber::Text);
    const int closes = calls.calls("close");
    EXPECT_EQ(opening(FileNumber::Source, pipe, FileOpenMode::Read),
              ErrorNumber::PathFileAccessError);
    EXPECT_EQ(opening(FileNumber::Source, folder.path(), FileOpenMode::Read),
              ErrorNumber::PathFileAccessError);
    EXPECT_EQ(calls.calls("close"), closes + 2);

    files.open(FileNumber::Source, path, FileOpenMode::Read);
    EXPECT_EQ(opening(FileNumber::Source, path, FileOpenMode::Read), ErrorNumber::FileAlreadyOpen);
    EXPECT_EQ(errorNumberOf([&] { readAt(FileNumber::Source, 0, 1); }),
              ErrorNumber::BadRecordNumber);
    EXPECT_EQ(errorNumberOf([&] { writeAt(FileNumber::Source, 1, "x"); }),
              ErrorNumber::BadFileNameOrNumber)
        << "a file opened for reading cannot be written";
}

// Read-ahead could pull a bad sector beside the requested block into a read: a source is read
// without it, except for a small file's first read, which takes the whole file anyway.
TEST_F(PosixFileLayerTest, OnlyASmallSourcesFirstReadMayReadAhead) {
    files.open(FileNumber::Source, folder.write("small", std::string(64 * 1024, 's')),
               FileOpenMode::Read);
    readAt(FileNumber::Source, 1, 64 * 1024);
    EXPECT_EQ(calls.calls("posix_fadvise"), 0);
    readAt(FileNumber::Source, 4097, 512);
    EXPECT_EQ(calls.calls("posix_fadvise"), 1) << "a small file read again after its first read";
    files.closeAll();
    files.open(FileNumber::Source, folder.write("large", std::string(64 * 1024 + 1, 'l')),
               FileOpenMode::Read);
    EXPECT_EQ(calls.calls("posix_fadvise"), 2) << "a larger file at once";
}

// A status taken answers the next questions until the file is read or written; a file this
// layer created and wrote to its length is not cut again.
// The copy takes the time the source had when it was opened, as a copy of a file changed while
// it was read must not pass for the changed file.
TEST_F(PosixFileLayerTest, LooksAtAFileAgainOnlyWhenItMayHaveChanged) {
    const std::string source = folder.write("data", "0123456789");
    const timespec opening[2] = {{1200000000, 0}, {1200000000, 500}};
    ASSERT_EQ(utimensat(AT_FDCWD, source.c_str(), opening, 0), 0);
    files.open(FileNumber::Source, source, FileOpenMode::Read);
    files.open(FileNumber::Destination, folder.file("copy"), FileOpenMode::CreateNew);
    const int opened = calls.calls("fstat");
    EXPECT_EQ(files.length(FileNumber::Source), 10);
    EXPECT_EQ(calls.calls("fstat"), opened) << "the status the open took";
    folder.write("data", "0123456789abc");
    EXPECT_EQ(files.copyRange(FileNumber::Source, FileNumber::Destination, 1, 13), 13u);
    EXPECT_EQ(files.length(FileNumber::Source), 13) << "read since: looked at again";
    files.copyAttributes(FileNumber::Source, FileNumber::Destination);
    EXPECT_EQ(calls.calls("fstat"), opened + 2) << "one look at the copy's permissions";
    EXPECT_EQ(calls.calls("fchmod"), 0) << "created with the permissions the source has";
    struct stat copy {};
    ASSERT_EQ(stat(folder.file("copy").c_str(), &copy), 0);
    EXPECT_EQ(copy.st_mtim.tv_sec, 1200000000);
    EXPECT_EQ(copy.st_mtim.tv_nsec, 500);
    EXPECT_TRUE(files.names(folder.file("copy"), FileNumber::Destination));
    EXPECT_EQ(calls.calls("fstat"), opened + 2) << "that look answers the in-place check";
    files.setLength(FileNumber::Destination, 13);
    EXPECT_EQ(calls.calls("ftruncate"), 0);
    files.setLength(FileNumber::Destination, 20);
    EXPECT_EQ(calls.calls("ftruncate"), 1);
    EXPECT_TRUE(files.names(folder.file("copy"), FileNumber::Destination));
    EXPECT_EQ(files.length(FileNumber::Destination), 20);
    EXPECT_EQ(std::filesystem::file_size(folder.file("copy")), 20u);
    EXPECT_EQ(calls.calls("fstat"), opened + 3) << "one look for the name and the length";
}

// An earlier copy opened again whose other permission bits already match the source's still
// loses its set-user-id bit.
TEST_F(PosixFileLayerTest, ACopyOpenedAgainTakesThePermissionsWithoutSetUserId) {
    const std::string source = folder.write("tool", "binary");
    ASSERT_EQ(chmod(source.c_str(), 0755), 0);
    const std::string copy = folder.write("copy", "bin");
    ASSERT_EQ(chmod(copy.c_str(), 04755), 0);
    files.open(FileNumber::Source, source, FileOpenMode::Read);
    files.open(FileNumber::Destination, copy, FileOpenMode::ReadWrite);
    files.copyAttributes(FileNumber::Source, FileNumber::Destination);
    struct stat status {};
    ASSERT_EQ(stat(copy.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0755u);
}

// A copy written by the megabyte has its pages sent on to its disk every 8 MiB, by its writes
// and by its kernel copies alike; that is only a start of the writing, so its failure leaves
// the write done (the flush before the copy counts tells it).
TEST_F(PosixFileLayerTest, SendsALargeCopyOnToItsDiskAsItIsWritten) {
    constexpr std::size_t MiB = 1024 * 1024;
    files.open(FileNumber::Destination, folder.file("copy"), FileOpenMode::CreateNew);
    const std::string block(MiB, 'b');
    for (int n = 0; n < 7; ++n) files.write(FileNumber::Destination, 1 + n * MiB, block);
    files.write(FileNumber::Destination, 1 + 7 * MiB, block.substr(1));
    EXPECT_EQ(calls.calls("sync_file_range"), 0);
    files.write(FileNumber::Destination, 8 * MiB, "b");
    EXPECT_EQ(calls.calls("sync_file_range"), 1);
    calls.script("sync_file_range", Fault::error(EIO));
    files.write(FileNumber::Destination, 1 + 8 * MiB, std::string(8 * MiB, 'c'));
    EXPECT_EQ(calls.calls("sync_file_range"), 2);

    files.open(FileNumber::Source, folder.write("large", std::string(8 * MiB, 'l')),
               FileOpenMode::Read);
    files.open(3, folder.file("kernel copy"), FileOpenMode::CreateNew);
    const auto copied = files.copyRange(FileNumber::Source, 3, 1, 8 * MiB);
    if (!copied) GTEST_SKIP() << "the temporary folder's file system copies nothing in the kernel";
    EXPECT_EQ(*copied, 8 * MiB);
    EXPECT_EQ(calls.calls("sync_file_range"), 3);
    files.closeAll();
    EXPECT_EQ(std::filesystem::file_size(folder.file("copy")), 16 * MiB);
}

TEST_F(PosixFileLayerTest, OpensAndDeletesNamesThatAreNotUtf8) {
    const std::string name = "\xff\xfe-r\xe9sum\xe9.bin";
    const std::string path = folder.write(name, "bytes");
    ASSERT_TRUE(files.exists(path));
    files.open(FileNumber::Source, path, FileOpenMode::Read);
    EXPECT_EQ(readAt(FileNumber::Source, 1, 5), "bytes");
    files.closeAll();
    files.remove(path);
    EXPECT_FALSE(files.exists(path));
    EXPECT_EQ(errorNumberOf([&] { files.remove(path); }), ErrorNumber::FileNotFound);
}

// A short count followed by a failure fails the whole read; a full disk is told as such.
TEST_F(PosixFileLayerTest, TransfersGoOnAfterInterruptionsAndShortCountsButNotAfterAFailure) {
    files.open(FileNumber::Source, folder.write("data", "0123456789"), FileOpenMode::Read);
    calls.script("pread", Fault::error(EINTR));
    calls.script("pread", Fault::shortTransfer(3));
    calls.script("pread", Fault::error(EINTR));
    calls.script("pread", Fault::shortTransfer(2));
    EXPECT_EQ(readAt(FileNumber::Source, 2, 8), "12345678");
    calls.script("pread", Fault::shortTransfer(4));
    calls.script("pread", Fault::error(EIO));
    EXPECT_EQ(errorNumberOf([&] { readAt(FileNumber::Source, 1, 10); }),
              ErrorNumber::PathFileAccessError);

    files.open(FileNumber::Destination, folder.file("out"), FileOpenMode::ReadWrite);
    calls.script("pwrite", Fault::shortTransfer(2));
    calls.script("pwrite", Fault::error(EINTR));
    writeAt(FileNumber::Destination, 1, "abcdef");
    calls.script("pwrite", Fault::error(ENOSPC));
    EXPECT_EQ(errorNumberOf([&] { writeAt(FileNumber::Destination, 7, "g"); }),
              ErrorNumber::DiskFull);
    files.closeAll();
    EXPECT_EQ(folder.read("out"), "abcdef");
}

TEST_F(PosixFileLayerTest, OperatingSystemErrorsBecomeRunTimeErrorNumbers) {
    const std::pair<int, int> table[] = {
        {ENOENT, 53}, {ENOTDIR, 53}, {EBADF, 52},     {ENOSPC, 61}, {EDQUOT, 61},
        {EACCES, 70}, {EPERM, 70},   {EROFS, 70},     {ENOMEDIUM, 71}, {ENODEV, 71},
        {ENOTCONN, 71}, {ESHUTDOWN, 71}, {ESTALE, 71}, {ETIMEDOUT, 71}, {ECONNRESET, 71},
        {ENXIO, 71},  {EIO, 75},     {ENAMETOOLONG, 75}, {ELOOP, 77}};
    const std::string path = folder.write("f", "x");
    for (const auto& [errnoValue, number] : table) {
        calls.script("open", Fault::error(errnoValue));
        EXPECT_EQ(errorNumberOf([&] { files.open(FileNumber::Source, path, FileOpenMode::Read); }),
                  number)
            << "errno " << errnoValue;
    }
}

TEST_F(PosixFileLayerTest, CloseAllClosesEveryFileAndReportsTheFirstFailure) {
    files.open(FileNumber::Source, folder.write("a", "a"), FileOpenMode::Read);
    files.open(FileNumber::Destination, folder.file("b"), FileOpenMode::ReadWrite);
    calls.script("close", Fault::error(EIO));
    EXPECT_EQ(errorNumberOf([&] { files.closeAll(); }), ErrorNumber::PathFileAccessError);
    EXPECT_EQ(calls.calls("close"), 2);
    EXPECT_EQ(errorNumberOf([&] { files.length(FileNumber::Destination); }),
              ErrorNumber::BadFileNameOrNumber);
}

TEST_F(PosixFileLayerTest, TellsTheFileDateAndTimeAndTheCurrentDirectory) {
    setenv("TZ", "UTC", 1);
    tzset();
    const std::string path = folder.write("dated", "x");
    const timespec times[2] = {{1614834367, 0}, {1614834367, 0}};  // 2021-03-04 05:06:07 UTC
    ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
    EXPECT_EQ(files.fileDateTime(path), "03/04/21 05:06:07");
    EXPECT_EQ(errorNumberOf([&] { files.fileDateTime(folder.file("none")); }),
              ErrorNumber::FileNotFound);

    const auto before = std::filesystem::current_path();
    std::filesystem::current_path(folder.path());
    EXPECT_EQ(files.currentDirectory() + "/", folder.path());
    std::filesystem::current_path(before);
}

}  // namespace
}  // namespace quorvex
