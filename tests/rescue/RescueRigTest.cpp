#include <gmock/gmock.h>

#include <csignal>
#include <filesystem>
#include <regex>

#include "JobFile.h"
#include "RescueProcess.h"
#include "RigCopyCheck.h"
#include "RigMount.h"
#include "RigPattern.h"
#include "RigTestCase.h"

namespace quorvex::test {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;
using Bad = std::vector<std::pair<std::int64_t, std::int64_t>>;
constexpr std::int64_t kSector = 512;

// Rescues damaged rig files through the quorvex-rescue program; once a file's first pass is
// done, each bad range costs only the sectors it touches.
class RescueRigTest : public RigTestCase {
  protected:
    // The 1-based positions of the sectors that hold the bad ranges.
    static std::vector<ByteRange> sectorsOf(const Bad& bad) {
        std::vector<ByteRange> sectors;
        for (const auto& [offset, length] : bad)
            sectors.push_back({offset / kSector * kSector + 1,
                               (offset + length + kSector - 1) / kSector * kSector});
        return sectors;
    }
    static std::string config(const std::string& name, std::int64_t size, const Bad& bad) {
        std::string text = "file " + name + " " + std::to_string(size) + " 5\n";
        for (const auto& [offset, length] : bad)
            text +=
                "bad " + name + " " + std::to_string(offset) + " " + std::to_string(length) + "\n";
        return text;
    }

    // The ranges of the "lost ... at byte positions A - B, C - D" lines of the output.
    static std::vector<ByteRange> printedRanges(const std::string& output) {
        std::vector<ByteRange> ranges;
        const std::regex line("at byte positions ([0-9 ,-]+)\n");
        const std::regex range("([0-9]+) - ([0-9]+)");
        for (std::sregex_iterator l(output.begin(), output.end(), line), end; l != end; ++l) {
            const std::string list = (*l)[1];
            for (std::sregex_iterator r(list.begin(), list.end(), range); r != end; ++r)
                ranges.push_back({std::stoll((*r)[1]), std::stoll((*r)[2])});
        }
        return ranges;
    }

    TemporaryFolder folder_;
};

TEST_F(RescueRigTest, BadSectorsCostExactlyTheirSectorsAndAreReported) {
    constexpr std::int64_t size = 4 << 20;
    const Bad bad{{300000, 4096}, {1048576, 512}, {2000000, 20000}, {size - 100, 100}};
    RigMount rig(config("disc.iso", size, bad));
    const auto result = RescueProcess::run({rig.path(), folder_.file("out"), "disc.iso"});
    EXPECT_EQ(result.status, 1) << result.err;
    const std::vector<ByteRange> expected = sectorsOf(bad);
    EXPECT_EQ(printedRanges(result.out), expected) << result.out;
    expectRigCopy(folder_.file("out/disc.iso"), 5, size, expected);
    EXPECT_THAT(result.out, HasSubstr("Bytes lost:         26112 ("));

    const auto firstPassOnly =
        RescueProcess::run({"--no-sector-pass", rig.path(), folder_.file("first"), "disc.iso"});
    EXPECT_EQ(printedRanges(firstPassOnly.out),
              (std::vector<ByteRange>{
                  {294913, 311296}, {1048577, 1056768}, {1998849, 2023424}, {4186113, 4194304}}))
        << "the first pass alone loses whole 8 KiB blocks";
}

// A medium that got worse since an earlier complete copy never replaces that copy: the new one
// is kept beside it, and the report names both.
TEST_F(RescueRigTest, ACopyThatLostBytesIsKeptBesideTheEarlierOneAndBothAreNamed) {
    constexpr std::int64_t size = 256 << 10;
    const Bad bad{{100000, 10}};
    RigMount rig(config("disc.iso", size, bad));
    fs::create_directories(folder_.file("out"));
    const std::string earlier = RigPattern::bytes(5, 0, size);
    folder_.write("out/disc.iso", earlier);

    const auto result =
        RescueProcess::run({"--overwrite", rig.path(), folder_.file("out"), "disc.iso"});
    EXPECT_EQ(result.status, 1) << result.err;
    const std::string kept = folder_.file("out/disc.iso.rescued-incomplete");
    EXPECT_THAT(result.out, HasSubstr("the earlier copy " + folder_.file("out/disc.iso") +
                                      " was kept; this copy is beside it as " + kept + "\n"));
    EXPECT_TRUE(folder_.read("out/disc.iso") == earlier);
    expectRigCopy(kept, 5, size, sectorsOf(bad));
}

// Damage found before a stop must still count after the run that finishes the file. The stop
// came in the first pass, so that range stays as the first pass found it.
TEST_F(RescueRigTest, AResumedRescueKeepsTheDamageOfTheStoppedRun) {
    constexpr std::int64_t size = 4 << 20;
    const Bad bad{{20000, 10}, {3500000, 8192}};
    RigMount rig(config("slow.bin", size, bad) + "slow slow.bin 15000\n");
    const std::vector<std::string> arguments{"--job", folder_.file("job"), rig.path(),
                                             folder_.file("out"), "slow.bin"};
    RescueProcess first(arguments);
    ASSERT_TRUE(waitFor([&] { return sizeOf(folder_.file("out/slow.bin")) >= 200000; }));
    first.signal(SIGINT);
    ASSERT_EQ(first.finish().status, 1);
    const SavedJob saved = JobFile(folder_.file("job")).load();
    ASSERT_EQ(saved.items.size(), 1u);
    EXPECT_EQ(saved.items[0].lost, (std::vector<ByteRange>{{16385, 24576}}));
    EXPECT_GT(saved.items[0].item.StartPosition, 24576);
    EXPECT_LT(saved.items[0].item.StartPosition, 3500000);

    const auto second = RescueProcess::run(arguments);
    EXPECT_EQ(second.status, 1) << second.err;
    const ByteRange later = sectorsOf({bad[1]}).at(0);
    EXPECT_EQ(printedRanges(second.out), std::vector<ByteRange>{later});
    expectRigCopy(folder_.file("out/slow.bin"), 5, size, {{16385, 24576}, later});
    EXPECT_THAT(second.out,
                HasSubstr("Bytes lost:         " + std::to_string(8192 + later.size()) + " ("));
}

// A job rescued with the first pass alone still holds 8 KiB ranges; --retry-lost reads only
// those ranges again, writes what now reads into the copy and saves the narrowed ranges. The
// rig's counters show that no byte outside the lost ranges was read again.
TEST_F(RescueRigTest, RetryingTheLostRangesReadsOnlyThemAndNarrowsThem) {
    constexpr std::int64_t size = 1 << 20;
    const Bad bad{{100000, 10}, {600000, 3000}};
    RigMount rig(config("disc.iso", size, bad) + "directio disc.iso\n");
    const std::string job = folder_.file("job");
    const auto first = RescueProcess::run(
        {"--no-sector-pass", "--job", job, rig.path(), folder_.file("out"), "disc.iso"});
    ASSERT_EQ(first.status, 1) << first.err;
    const std::vector<ByteRange> blocks = JobFile(job).load().items.at(0).lost;
    ASSERT_EQ(blocks.size(), 2u);
    std::int64_t blockBytes = 0;
    for (const ByteRange& range : blocks) blockBytes += range.size();
    const RigCounters before = rig.counters("disc.iso");

    const auto retry = RescueProcess::run({"--retry-lost", "--job", job});
    EXPECT_EQ(retry.status, 1) << retry.err << retry.out;
    EXPECT_THAT(retry.err, HasSubstr("Reading " + std::to_string(blockBytes) + " bytes ("))
        << "told before the reads";
    const std::vector<ByteRange> sectors = sectorsOf(bad);
    EXPECT_EQ(JobFile(job).load().items.at(0).lost, sectors);
    EXPECT_EQ(printedRanges(retry.out), sectors) << retry.out;
    expectRigCopy(folder_.file("out/disc.iso"), 5, size, sectors);
    EXPECT_LE(rig.counters("disc.iso").bytes - before.bytes, static_cast<std::uint64_t>(blockBytes));
    EXPECT_THAT(retry.out, HasSubstr("Bytes still lost:   " +
                                     std::to_string(sectors[0].size() + sectors[1].size()) +
                                     " bytes ("));
}

TEST_F(RescueRigTest, RetryingNeedsAJobAndNoRoots) {
    EXPECT_EQ(RescueProcess::run({"--retry-lost"}).status, 2);
    EXPECT_EQ(RescueProcess::run({"--retry-lost", "--job", folder_.file("none")}).status, 2);
    EXPECT_EQ(RescueProcess::run({"--retry-lost", "--job", folder_.file("job"), "a", "b"}).status, 2);
}

}  // namespace
}  // namespace quorvex::test
