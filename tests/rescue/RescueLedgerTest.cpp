#include <gtest/gtest.h>

#include <filesystem>

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

// The engine clears the items after the one it stopped in; their offsets from earlier runs
// must survive that, and a file copied anew drops the losses of its old copy.
TEST_F(RescueLedgerTest, AStoppedRunKeepsTheOffsetsOfTheItemsItDidNotReach) {
    RescueLedger ledger(job({file("a", 0, {{1, 100}}), file("b"), file("c", 8192)}));
    RecoveryJob engineJob;
    ASSERT_EQ(ledger.load(engineJob), 3);
    engineJob.item(1) = {src("a"), 10, 0, true};
    engineJob.item(2) = {src("b"), 65536, 65536, false};
    engineJob.item(3) = {src("c"), 0, 0, false};
    ledger.settle(engineJob, 2, {});

    const auto& items = ledger.job().items;
    EXPECT_TRUE(items[0].item.isDone);
    EXPECT_TRUE(items[0].lost.empty());
    EXPECT_FALSE(items[0].damaged);
    EXPECT_EQ(items[1].item.StartPosition, 65536);
    EXPECT_EQ(items[2].item.StartPosition, 8192);
    EXPECT_EQ(items[2].item.CopiedBytes, 8192);
}

// Resuming past the end of a copy cut short, or gone, would leave a hole in it.
TEST_F(RescueLedgerTest, AnOffsetWithoutItsPartialCopyStartsOver) {
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
