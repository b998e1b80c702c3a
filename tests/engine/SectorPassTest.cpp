#include <algorithm>

#include "RecoveryRig.h"

namespace quorvex {
namespace {

using test::RecoveryRig;

// The second look at damaged ranges through the engine, over a source whose bad bytes fail
// every read that touches them, sector reads included.
class SectorPassTest : public RecoveryRig {
  protected:
    // Copies one file with those bad positions; the lost ranges as the damage record gives them.
    std::string rescue(std::size_t size, const std::vector<ByteRange>& bad) {
        bytes = pattern(size);
        source.write("f", bytes);
        for (const ByteRange& range : bad) files.addBadRange(range.start, range.end);
        addFile("f");
        run();
        return engine.damagedFiles().records().empty()
                   ? std::string()
                   : engine.damagedFiles().records().at(0).rangeText;
    }
    // Every byte outside the lost ranges came through; the lost ones were never written.
    void expectCopiedAround(const std::vector<ByteRange>& lost) {
        std::string expected = bytes;
        for (const ByteRange& range : lost)
            expected.replace(static_cast<std::size_t>(range.start - 1),
                             static_cast<std::size_t>(range.size()),
                             static_cast<std::size_t>(range.size()), '\0');
        EXPECT_TRUE(destination.read("f") == expected);
    }
    // Reads after the first pass (the first read of a 4 KiB piece) that touched a bad range.
    std::size_t failingReads(bool sectors, const std::vector<ByteRange>& bad) const {
        const auto& reads = files.sourceReads();
        const auto firstPassEnd = std::find_if(reads.begin(), reads.end(), [](const auto& call) {
            return call.length <= 4096;
        });
        return static_cast<std::size_t>(std::count_if(firstPassEnd, reads.end(), [&](const auto& call) {
            const std::int64_t last = call.position + static_cast<std::int64_t>(call.length) - 1;
            return call.sectors == sectors && std::any_of(bad.begin(), bad.end(), [&](const auto& range) {
                       return call.position <= range.end && last >= range.start;
                   });
        }));
    }

    std::string bytes;
};

// A small file whose only read fails is no longer lost whole: a 5,000-byte text keeps all but
// the sectors under its 904 bad bytes, and a 4,097-byte photo whose last byte is bad loses that
// byte alone.
TEST_F(SectorPassTest, ASmallTextLosesOnlyTheSectorsUnderItsBadBytes) {
    const std::vector<ByteRange> bad{{1001, 1904}};
    EXPECT_EQ(rescue(5000, bad), " 513 - 2048,");
    expectCopiedAround({{513, 2048}});
    EXPECT_EQ(engine.state.TotalLostBytes, 1536);
    // The file is one lost piece: its smaller block (the 904 bytes at its end) is read first,
    // and as it reads, the first block is known to fail and only its sectors are read.
    EXPECT_EQ(failingReads(false, bad), 0u);
    EXPECT_EQ(failingReads(true, bad), 2u) << "one failing sector at each end";
}

TEST_F(SectorPassTest, ASmallPhotoLosesOnlyItsOneBadByte) {
    EXPECT_EQ(rescue(4097, {{4097, 4097}}), " 4097 - 4097,");
    expectCopiedAround({{4097, 4097}});
    EXPECT_EQ(engine.state.TotalLostBytes, 1);
}


// One bad sector costs one failing sector read: the side trimmed last stops at the sector the
// other side found failing.
TEST_F(SectorPassTest, OneBadSectorIsReadOnce) {
    const std::vector<ByteRange> bad{{10001, 10001}};
    EXPECT_EQ(rescue(64 * 1024, bad), " 9729 - 10240,");
    expectCopiedAround({{9729, 10240}});
    EXPECT_EQ(failingReads(true, bad), 1u);
}

// A long bad run costs one failing read per 4 KiB block inside it and one sector read at each
// of its ends, never a read of every sector; the sectors at its ends that still read are kept.
TEST_F(SectorPassTest, ALongBadRunIsTrimmedAtItsEndsOnly) {
    const std::vector<ByteRange> bad{{200101, 300000}};
    EXPECT_EQ(rescue(1 << 20, bad), " 199681 - 300032,");
    expectCopiedAround({{199681, 300032}});
    EXPECT_EQ(failingReads(true, bad), 2u) << "one failing sector at each end";
    EXPECT_LE(failingReads(false, bad), (300000 - 200101) / 4096 + 2);
}

// The first pass lost three 8 KiB pieces around this run. The first piece's front block reads,
// so its back block is known to fail; the last piece is read from its back, and its front block
// is known to fail the same way: only the two blocks of the middle piece fail whole.
TEST_F(SectorPassTest, EachPieceTheFirstPassLostIsReadFromItsReadableSide) {
    const std::vector<ByteRange> bad{{12400, 28000}};
    EXPECT_EQ(rescue(64 * 1024, bad), " 12289 - 28160,");
    expectCopiedAround({{12289, 28160}});
    EXPECT_EQ(failingReads(false, bad), 2u);
    EXPECT_EQ(failingReads(true, bad), 2u);
}

// Where the file system cannot read single sectors, the pass still narrows damage to its 4 KiB
// blocks; without the pass the first pass's 8 KiB blocks stay.
TEST_F(SectorPassTest, WithoutSectorReadsTheBlocksOfTheFileSystemAreTheLimit) {
    files.refuseSectorReads();
    EXPECT_EQ(rescue(64 * 1024, {{10001, 10001}}), " 8193 - 12288,");
    expectCopiedAround({{8193, 12288}});

    engine.job.clear();
    engine.setSectorPass(false);
    EXPECT_EQ(rescue(64 * 1024, {{10001, 10001}}), " 8193 - 16384,");
}

// Stop during the pass ends it at once: what it read is kept and counted, the rest stays lost,
// and the run ends paused with the file's offset at its end.
TEST_F(SectorPassTest, AStopDuringThePassKeepsWhatItFound) {
    prompts.answerAbort(AbortAnswer::Pause);
    events.when([this] { return !files.sourceReads().empty() && files.sourceReads().back().sectors; },
                [this] { engine.TerminateMe(); });
    const std::string lost = rescue(64 * 1024, {{10001, 10001}, {40001, 40001}});

    EXPECT_EQ(engine.state.isCopyingProcess, false);
    EXPECT_EQ(lost, " 8705 - 12288, 32769 - 40960,")
        << "the first range narrowed by the one sector read before the stop, the second as the "
           "first pass left it";
    expectCopiedAround({{8705, 12288}, {32769, 40960}});
    EXPECT_EQ(engine.job.item(1).StartPosition, 64 * 1024);
    EXPECT_FALSE(engine.job.item(1).isDone);
}

}  // namespace
}  // namespace quorvex
