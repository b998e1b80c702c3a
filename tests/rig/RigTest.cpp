#include <sys/stat.h>
#include <sys/statvfs.h>

#include <filesystem>
#include <fstream>
#include <set>

#include "RigPattern.h"
#include "RigReader.h"
#include "RigTestCase.h"

namespace quorvex::test {
namespace {

std::set<std::string> namesIn(const std::string& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

std::string wholeFile(const std::string& path) {
    std::ifstream input(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(input), {});
}

TEST(RigPatternTest, FillAgreesWithByteAtAtEveryAlignment) {
    constexpr std::uint64_t far = std::uint64_t{1} << 40;
    for (const std::uint64_t start : {std::uint64_t{0}, std::uint64_t{3}, far + 5})
        for (std::size_t count = 0; count < 20; ++count) {
            const std::string bytes = RigPattern::bytes(11, start, count);
            for (std::size_t at = 0; at < count; ++at)
                ASSERT_EQ(static_cast<std::uint8_t>(bytes[at]), RigPattern::byteAt(11, start + at))
                    << "start " << start << ", byte " << at;
        }
}

TEST(RigPatternTest, BytesDependOnSeedAndOffset) {
    EXPECT_NE(RigPattern::bytes(1, 0, 64), RigPattern::bytes(2, 0, 64));
    EXPECT_NE(RigPattern::bytes(1, 0, 64), RigPattern::bytes(1, 8, 64));
    EXPECT_NE(RigPattern::bytes(1, 0, 64), RigPattern::bytes(1, 4096, 64));
}

class RigTest : public RigTestCase {};

TEST_F(RigTest, ServesPatternBytesAtTheExactSize) {
    RigMount rig("file a.bin 1000003 5\n");
    EXPECT_EQ(std::filesystem::file_size(rig.file("a.bin")), 1000003U);
    EXPECT_EQ(wholeFile(rig.file("a.bin")), RigPattern::bytes(5, 0, 1000003));
}

TEST_F(RigTest, ServesNestedFoldersReadOnly) {
    RigMount rig("file top.bin 10 1\ndir empty\nfile photos/a.jpg 5000 2\nfile \"photos/b c.jpg\" 7 3\n");
    EXPECT_EQ(namesIn(rig.path()), (std::set<std::string>{"top.bin", "empty", "photos"}));
    EXPECT_EQ(namesIn(rig.file("photos")), (std::set<std::string>{"a.jpg", "b c.jpg"}));
    EXPECT_TRUE(namesIn(rig.file("empty")).empty());
    EXPECT_TRUE(std::filesystem::is_directory(rig.file("photos")));
    EXPECT_EQ(wholeFile(rig.file("photos/b c.jpg")), RigPattern::bytes(3, 0, 7));

    EXPECT_EQ(RigReader::openError(rig.file("photos/missing.jpg")), ENOENT);
    const int descriptor = open(rig.file("top.bin").c_str(), O_WRONLY);
    EXPECT_EQ(descriptor < 0 ? errno : 0, EROFS);
    if (descriptor >= 0) close(descriptor);
}

TEST_F(RigTest, ServesFilesBeyondFourGibibytes) {
    constexpr std::uint64_t size = std::uint64_t{6} << 30;
    constexpr std::uint64_t fourGibibytes = std::uint64_t{4} << 30;
    RigMount rig("file big.bin 6G 9\n");
    RigReader big(rig.file("big.bin"));
    struct stat status {};
    ASSERT_EQ(fstat(big.descriptor(), &status), 0);
    EXPECT_EQ(static_cast<std::uint64_t>(status.st_size), size);

    EXPECT_EQ(big.read(fourGibibytes - 100, 200).bytes, RigPattern::bytes(9, fourGibibytes - 100, 200));
    EXPECT_EQ(big.read((5ULL << 30) + 12345, 65536).bytes, RigPattern::bytes(9, (5ULL << 30) + 12345, 65536));
    EXPECT_EQ(big.read(size - 10, 100).bytes, RigPattern::bytes(9, size - 10, 10));
}

TEST_F(RigTest, VolumeIsListedUnderItsName) {
    RigMount rig("file a.bin 10000 1\nfile b/c.bin 5000 2\n");
    const std::string mountPoint = rig.path().substr(0, rig.path().size() - 1);
    std::ifstream mounts("/proc/self/mounts");
    std::string source, point, type, options, line;
    bool listed = false;
    while (mounts >> source >> point >> type >> options && std::getline(mounts, line))
        if (point == mountPoint) listed = source == "quorvex-rig" && type == "fuse.quorvex-rig";
    EXPECT_TRUE(listed);

    struct statvfs volume {};
    ASSERT_EQ(statvfs(rig.path().c_str(), &volume), 0);
    EXPECT_TRUE(volume.f_flag & ST_RDONLY);
    EXPECT_EQ(volume.f_frsize, 4096U);
    EXPECT_EQ(volume.f_blocks, 4U) << "15000 bytes in 4 KiB blocks";
}

}  // namespace
}  // namespace quorvex::test
