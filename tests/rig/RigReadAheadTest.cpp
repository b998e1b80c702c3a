#include <iostream>

#include "RigPattern.h"
#include "RigReader.h"
#include "RigTestCase.h"

namespace quorvex::test {
namespace {

constexpr std::uint64_t fileSize = 1 << 20;
constexpr std::uint64_t badOffset = 294912;  // a 4 KiB page inside the fifth 64 KiB block
constexpr std::size_t block = 65536;
constexpr std::uint64_t skipBlock = 8192;

struct Figures {
    int calls = 0;
    int failures = 0;
    std::uint64_t recovered = 0;
    bool bytesMatch = true;
};

// Reads the file as the rescue engine does at full block size: 64 KiB at a time, taking a
// short count as progress and skipping the 8 KiB block where a read fails.
Figures readThrough(const RigReader& file) {
    Figures figures;
    for (std::uint64_t offset = 0; offset < fileSize;) {
        const RigReader::Result result = file.read(offset, block);
        ++figures.calls;
        if (result.error != 0) {
            ++figures.failures;
            offset = (offset / skipBlock + 1) * skipBlock;
            continue;
        }
        if (result.bytes.empty()) break;
        figures.bytesMatch &= result.bytes == RigPattern::bytes(8, offset, result.bytes.size());
        figures.recovered += result.bytes.size();
        offset += result.bytes.size();
    }
    return figures;
}

void report(const char* mode, const Figures& reader, const RigCounters& rig) {
    std::cout << mode << ": " << reader.calls << " preads, " << reader.failures << " failed; rig "
              << rig.reads << " reads, " << rig.failed << " failed, " << rig.bytes << " bytes\n";
    ::testing::Test::RecordProperty(std::string(mode) + "_rig_reads", std::to_string(rig.reads));
    ::testing::Test::RecordProperty(std::string(mode) + "_rig_failed", std::to_string(rig.failed));
}

class RigReadAheadTest : public RigTestCase {};

// Measures how many reads reach the rig with the kernel's read-ahead and without it. Either
// way only the 8 KiB block holding the bad page is lost.
TEST_F(RigReadAheadTest, SequentialReadsLoseOnlyTheBlockWithTheBadPage) {
    RigMount rig("file normal.bin 1M 8\nbad normal.bin 294912 4096\n"
                 "file random.bin 1M 8\nbad random.bin 294912 4096\n");
    for (const auto& [name, advice] :
         {std::pair{"normal", POSIX_FADV_NORMAL}, std::pair{"random", POSIX_FADV_RANDOM}}) {
        const std::string file = std::string(name) + ".bin";
        const Figures figures = readThrough(RigReader(rig.file(file), advice));
        const RigCounters counters = rig.counters(file);
        report(name, figures, counters);
        EXPECT_TRUE(figures.bytesMatch) << name;
        EXPECT_EQ(figures.recovered, fileSize - skipBlock) << name;
        EXPECT_GE(counters.failed, 1U) << name;
        EXPECT_GE(counters.bytes, figures.recovered) << name;
    }
}

}  // namespace
}  // namespace quorvex::test
