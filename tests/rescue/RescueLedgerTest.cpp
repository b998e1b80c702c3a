#include <gtest/gtest.h>

#include "RescueLedger.h"
#include "TemporaryFolder.h"

namespace quorvex {
namespace {

class RescueLedgerTest : public ::testing::Test {
  protected:
    std::string src(const std::string& name) const { return folder_.file("src/" + name); }
    JobRecord file(const std::string& name, std::int64_t start = 0,
                   std::vector<ByteRange> lost = {}) {
        return {{src(name), start, start, false}, !lost.empty(), std::move(lost)};
    }
    SavedJob job(std::vector<JobRecord> items) const {
        return {folder_.file("src/"), folder_.file("dst/"), {}, {}, false, std::move(items)};
    }

    test::TemporaryFolder folder_;
};

TEST_F(RescueLedgerTest, ARunGetsTheItemsNotDoneWithTheirOffsets) {
    JobRecord done = file("done");
    done.item.isDone = true;
    RescueLedger ledger(job({{{"\t" + src("f/")}, false, {}}, done, file("half", 4096)}));
    RecoveryJob engineJob;
    ASSERT_EQ(ledger.load(engineJob), 2);
    EXPECT_EQ(engineJob.item(1).FileName, "\t" + src("f/"));
    EXPECT_EQ(engineJob.item(2).FileName, src("half"));
    EXPECT_EQ(engineJob.item(2).StartPosition, 4096);
}

// The engine clears the items after the one it stopped in; their offsets from earlier runs
// must survive that.
TEST_F(RescueLedgerTest, AStoppedRunKeepsTheOffsetsOfTheItemsItDidNotReach) {
    RescueLedger ledger(job({file("a"), file("b"), file("c", 8192)}));
    RecoveryJob engineJob;
    ledger.load(engineJob);
    engineJob.item(1) = {src("a"), 10, 0, true};
    engineJob.item(2) = {src("b"), 65536, 65536, false};
    engineJob.item(3) = {src("c"), 0, 0, false};
    ledger.settle(engineJob, 2, {});

    const auto& items = ledger.job().items;
    EXPECT_TRUE(items[0].item.isDone);
    EXPECT_EQ(items[1].item.StartPosition, 65536);
    EXPECT_EQ(items[2].item.StartPosition, 8192);
    EXPECT_EQ(items[2].item.CopiedBytes, 8192);
}

TEST_F(RescueLedgerTest, LostRangesOfEarlierRunsAreKeptAndJoinedWithNewOnes) {
    RescueLedger ledger(job({file("resumed", 8192, {{1, 8192}}), file("anew", 0, {{1, 100}})}));
    RecoveryJob engineJob;
    ledger.load(engineJob);
    engineJob.item(1) = {src("resumed"), 40960, 8192, true};
    engineJob.item(2) = {src("anew"), 500, 0, true};
    DamageRecord later;
    later.source = src("resumed");
    later.ranges = {{8193, 16384}, {32769, 40960}};
    ledger.settle(engineJob, 2, {later});

    const auto& items = ledger.job().items;
    EXPECT_EQ(items[0].lost, (std::vector<ByteRange>{{1, 16384}, {32769, 40960}}));
    EXPECT_TRUE(items[0].damaged);
    EXPECT_TRUE(items[1].lost.empty()) << "a copy made anew replaces the old one's losses";
    EXPECT_FALSE(items[1].damaged);
}

TEST_F(RescueLedgerTest, AnOffsetWithoutItsPartialCopyStartsOver) {
    folder_.write("dst/", "");
    std::filesystem::create_directories(folder_.file("dst"));
    folder_.write("dst/long", std::string(5000, 'x'));
    folder_.write("dst/short", std::string(100, 'x'));
    RescueLedger ledger(
        job({file("long", 5000), file("short", 4096, {{1, 10}}), file("missing", 4096)}));
    EXPECT_EQ(ledger.dropLostResumePoints(),
              (std::vector<std::string>{src("short"), src("missing")}));
    const auto& items = ledger.job().items;
    EXPECT_EQ(items[0].item.StartPosition, 5000);
    EXPECT_EQ(items[1].item.StartPosition, 0);
    EXPECT_TRUE(items[1].lost.empty());
    EXPECT_EQ(items[2].item.StartPosition, 0);
}

}  // namespace
}  // namespace quorvex
