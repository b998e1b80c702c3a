#include <sys/stat.h>

#include <chrono>

#include "RigPattern.h"
#include "RigReader.h"
#include "RigTestCase.h"

namespace quorvex::test {
namespace {

constexpr std::size_t block = 65536;

class RigDamageTest : public RigTestCase {};

// Failing reads take at least the time failslow gives them.
TEST_F(RigDamageTest, OnlyReadsTouchingABadRangeFailAndTakeTheirTime) {
    RigMount rig("file d.bin 8192 4\nbad d.bin 1000 100\ndirectio d.bin\nfailslow d.bin 300000\n");
    RigReader file(rig.file("d.bin"));
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(file.read(900, 100).bytes, RigPattern::bytes(4, 900, 100));
    EXPECT_EQ(file.read(1100, 100).bytes, RigPattern::bytes(4, 1100, 100));
    for (const auto& [offset, count] : {std::pair{1000, 100}, {1099, 1}, {999, 2}, {0, 8192}})
        EXPECT_EQ(file.read(offset, count).error, EIO) << offset << "+" << count;
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(1200));
}

// Through the page cache the kernel reads the pages before the bad one by themselves and
// returns them as a short count; past the cache the read fails exactly as it was asked.
TEST_F(RigDamageTest, PageCacheStopsShortWhereDirectReadsFail) {
    RigMount rig("file cached.bin 1M 6\nbad cached.bin 49152 4096\n"
                 "file direct.bin 1M 6\nbad direct.bin 49152 4096\ndirectio direct.bin\n");
    RigReader cached(rig.file("cached.bin"));
    EXPECT_EQ(cached.read(0, block).bytes, RigPattern::bytes(6, 0, 49152));
    EXPECT_EQ(cached.read(49152, block).error, EIO);
    EXPECT_EQ(cached.read(53248, block).bytes, RigPattern::bytes(6, 53248, block));

    RigReader direct(rig.file("direct.bin"));
    EXPECT_EQ(direct.read(0, block).error, EIO);
    const RigCounters afterFailure = rig.counters("direct.bin");
    EXPECT_EQ(afterFailure.reads, 1U);
    EXPECT_EQ(afterFailure.failed, 1U);
    EXPECT_EQ(direct.read(0, 49152).bytes, RigPattern::bytes(6, 0, 49152));
    EXPECT_EQ(direct.read(53248, block).bytes, RigPattern::bytes(6, 53248, block));
}

TEST_F(RigDamageTest, ShrinkingFileReportsAndServesItsNewSize) {
    RigMount rig("file s.bin 256K 2\nshrink s.bin 64K 100000\ndirectio s.bin\n");
    RigReader file(rig.file("s.bin"));
    struct stat status {};
    ASSERT_EQ(fstat(file.descriptor(), &status), 0);
    EXPECT_EQ(status.st_size, 262144);

    EXPECT_EQ(file.read(0, block).bytes.size(), block);
    ASSERT_EQ(fstat(file.descriptor(), &status), 0);
    EXPECT_EQ(status.st_size, 100000);
    EXPECT_EQ(file.read(98304, block).bytes, RigPattern::bytes(2, 98304, 1696));
    EXPECT_EQ(file.read(131072, block).bytes, "");
}

TEST_F(RigDamageTest, VanishedFileFailsEverythingWithNoDevice) {
    RigMount rig("file v.bin 1M 3\nvanish v.bin 2\ndirectio v.bin\nfile w.bin 10 1\n");
    RigReader file(rig.file("v.bin"));
    EXPECT_EQ(file.read(0, block).error, 0);
    EXPECT_EQ(file.read(block, block).error, 0);
    EXPECT_EQ(file.read(2 * block, block).error, ENODEV);

    struct stat status {};
    EXPECT_EQ(stat(rig.file("v.bin").c_str(), &status) < 0 ? errno : 0, ENODEV);
    EXPECT_EQ(RigReader::openError(rig.file("v.bin")), ENODEV);
    EXPECT_EQ(RigReader::openError(rig.file("w.bin")), 0) << "only that file is gone";
}

}  // namespace
}  // namespace quorvex::test
