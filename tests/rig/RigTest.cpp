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

// Every byte test below would pass on a constant pattern; this keeps them meaningful.
TEST(RigPatternTest, BytesDependOnSeedAndOffset) {
    EXPECT_NE(RigPattern::bytes(1, 0, 64), RigPattern::bytes(2, 0, 64));
    EXPECT_NE(RigPattern::bytes(1, 0, 64), RigPattern::bytes(1, 8, 64));
    EXPECT_NE(RigPattern::bytes(1, 0, 64), RigPattern::bytes(1, 4096, 64));
}

class RigTest : public RigTestCase {};

TEST_F(RigTest, ServesNestedFoldersReadOnlyWithPatternBytesAtTheExactSize) {
    RigMount rig("file top.bin 1000003 5\ndir empty\nfile photos/a.jpg 5000 2\n"
                 "file \"photos/b c.jpg\" 7 3\n");
    EXPECT_EQ(namesIn(rig.path()), (std::set<std::string>{"top.bin", "empty", "photos"}));
    EXPECT_EQ(namesIn(rig.file("photos")), (std::set<std::string>{"a.jpg", "b c.jpg"}));
    EXPECT_TRUE(namesIn(rig.file("empty")).empty());
    EXPECT_EQ(std::filesystem::file_size(rig.file("top.bin")), 1000003U);
    EXPECT_EQ(wholeFile(rig.file("top.bin")), RigPattern::bytes(5, 0, 1000003));
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
    EXPECT_EQ(std::filesystem::file_size(rig.file("big.bin")), size);
    RigReader big(rig.file("big.bin"));
    EXPECT_EQ(big.read(fourGibibytes - 100, 200).bytes,
              RigPattern::bytes(9, fourGibibytes - 100, 200));
    EXPECT_EQ(big.read((5ULL << 30) + 12345, 65536).bytes,
              RigPattern::bytes(9, (5ULL << 30) + 12345, 65536));
    EXPECT_EQ(big.read(size - 10, 100).bytes, RigPattern::bytes(9, size - 10, 10));
}

}  // namespace
}  // namespace quorvex::test
