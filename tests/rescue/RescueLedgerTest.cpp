#include <gmock/gmock.h>

#include <filesystem>

#include "DestinationCheck.h"
#include "PosixFileLayer.h"
#include "PosixSystemCalls.h"
#include "RescueLedger.h"
#include "RescueTally.h"
#include "TemporaryFolder.h"

namespace quorvex {
namespace {

namespace fs = std::filesystem;
using Ranges = std::vector<ByteRange>;

class RescueLedgerTest : public ::testing::Test {
  protected:
    std::string src(const std::string& name) const { return folder_.file("src/" + name); }
    JobRecord file(const std::string& name, std::int64_t start = 0, Ranges lost = {}) const {
        JobRecord record;
        record.item = {src(name), start, start, false};
        record.damaged = !lost.empty();
        record.lost = std::move(lost);
        return record;
    }
    SavedJob job(std::vector<JobRecord> items) const {
        return {folder_.file("src/"), folder_.file("dst/"), {}, {}, {}, false, std::move(items)};
    }

    test::TemporaryFolder folder_;
};

// What the engine says of a file at its end is taken over with the job's rules: a resumed file
// keeps the damage of earlier runs, a file copied anew drops it, a file not done keeps only
// what lies before its resume offset, and bytes count as copied only where they were written.
TEST_F(RescueLedgerTest, EachFilesOutcomeIsTakenOverWithWhatItReallyReached) {
    // The file's record before the run; the engine's end of it (bytes reached, resume offset,
    // done, ranges found); and what the job keeps (bytes reached, ranges lost, bytes copied).
    const auto expectTakenOver = [this](const char* what, const JobRecord& before, JobItem result,
                                        const Ranges& found, std::int64_t reached,
                                        const Ranges& lost, std::int64_t bytesCopied) {
        SCOPED_TRACE(what);
        RescueLedger ledger(job({before}));
        RecoveryJob engineJob;
        ASSERT_EQ(ledger.load(engineJob), 1);
        ledger.started(1, false);
        result.FileName = before.item.FileName;
        DamageRecord damage;
        damage.source = result.FileName;
        damage.ranges = found;
        ledger.ended(1, result, found.empty() ? nullptr : &damage, {});
        const JobRecord& after = ledger.job().items[0];
        EXPECT_EQ(after.item.isDone, result.isDone);
        EXPECT_EQ(after.item.CopiedBytes, reached);
        EXPECT_EQ(after.item.StartPosition, result.isDone ? 0 : reached);
        EXPECT_EQ(after.lost, lost);
        EXPECT_EQ(RescueTally::of(ledger.job()).bytesCopied, bytesCopied);
    };
    expectTakenOver("resumed and finished", file("a", 65536, {{1, 8192}}),
                    {"", 200000, 65536, true}, {{100001, 108192}}, 200000,
                    {{1, 8192}, {100001, 108192}}, 200000 - 16384);
    expectTakenOver("started over", file("b", 4096, {{1, 100}}), {"", 5000, 0, true}, {}, 5000, {},
                    5000);
    expectTakenOver("lost at its end", file("c"), {"", 8192, 0, true}, {{8193, 10000}}, 10000,
                    {{8193, 10000}}, 8192);
    expectTakenOver("stopped", file("d"), {"", 65536, 65536, false}, {{70001, 78192}}, 65536, {},
                    65536);
    expectTakenOver("failed before reading", file("e", 8192, {{1, 10}}), {"", 0, 8192, false}, {},
                    8192, {{1, 10}}, 8182);
    expectTakenOver("destination vanished", file("f"), {"", 0, 0, false}, {{1, 8192}}, 0, {}, 0);
}

// A checkpoint keeps the ranges before its offset; the rest is found again when the file goes
// on. The name a run found free is the job's own from then on.
TEST_F(RescueLedgerTest, CheckpointsKeepWhatLiesBeforeTheirOffsetAndOwnedNamesAreKnown) {
    RescueLedger ledger(job({file("a", 65536, {{1, 8192}}), file("b")}));
    RecoveryJob engineJob;
    ASSERT_EQ(ledger.load(engineJob), 2);
    EXPECT_FALSE(ledger.started(1, false));
    ledger.reached(1, 131072, {{100001, 108192}, {131000, 140000}});
    EXPECT_EQ(ledger.job().items[0].lost, (Ranges{{1, 8192}, {100001, 108192}, {131000, 131072}}));
    EXPECT_EQ(ledger.job().items[0].item.StartPosition, 131072);
    ledger.reached(1, 16384, {{8193, 10000}});
    EXPECT_EQ(ledger.job().items[0].lost, (Ranges{{8193, 10000}})) << "a copy begun again";

    EXPECT_TRUE(ledger.started(2, true));
    EXPECT_FALSE(ledger.started(2, true));
    ASSERT_EQ(ledger.load(engineJob), 2);
    EXPECT_TRUE(ledger.ownsCopyAt(folder_.file("dst/b")));
    EXPECT_FALSE(ledger.ownsCopyAt(folder_.file("dst/a")));
}

// A run may hold the only copy of each name while it goes; the ledger still names each copy
// and gets every name back, also those of items done meanwhile.
TEST_F(RescueLedgerTest, NamesLentToARunComeBackWhole) {
    JobRecord done = file("done");
    done.item.isDone = true;
    RescueLedger ledger(job({file("a"), done, file("b")}));
    RecoveryJob engineJob;
    ASSERT_EQ(ledger.lend(engineJob), 2);
    EXPECT_EQ(engineJob.item(2).FileName, src("b"));
    EXPECT_EQ(ledger.copyOf(2), folder_.file("dst/b"));
    EXPECT_THROW(ledger.job(), std::logic_error);
    ledger.started(1, true);
    ledger.ended(1, {src("a"), 10, 0, true}, nullptr, {});
    ledger.takeBack();
    std::vector<std::string> names;
    for (const JobRecord& record : ledger.job().items) names.push_back(record.item.FileName);
    EXPECT_EQ(names, (std::vector<std::string>{src("a"), src("done"), src("b")}));
    EXPECT_TRUE(ledger.job().items[0].item.isDone);
}

// What earlier runs left in the destination is looked at again before a job continues.
TEST_F(RescueLedgerTest, AContinuedJobRedoesWhatIsNoLongerInTheDestination) {
    fs::create_directories(folder_.file("dst"));
    for (const char* name : {"kept", "shorter", "partial", "beside"})
        folder_.write(std::string("dst/") + name, std::string(5000, 'x'));
    fs::create_symlink("kept", folder_.file("dst/swapped"));
    fs::create_symlink("kept", folder_.file("dst/link"));
    folder_.write("dst/beside.quorvex-partial", std::string(9000, 'x'));
    const auto done = [&](const std::string& name, bool link, std::int64_t length) {
        JobRecord record = file(name);
        record.item = {src(name), length, 0, true};
        record.link = link;
        record.length = length;
        return record;
    };
    SavedJob saved =
        job({done("kept", false, 5000), done("gone", false, 5000), done("swapped", false, 5000),
             done("shorter", false, 6000), done("link", true, 0), file("partial", 4096, {{1, 10}}),
             file("beside", 8192), file("short-partial", 6000, {{1, 10}})});
    saved.items[7].ownsCopy = true;
    folder_.write("dst/short-partial", std::string(5999, 'x'));

    PosixSystemCalls calls;
    PosixFileLayer files(calls);
    files.confineTo(folder_.file("dst/"));
    DestinationCheck check(files);
    EXPECT_EQ(check.redoMissing(saved),
              (std::vector<std::string>{src("gone"), src("swapped"), src("shorter")}));
    EXPECT_EQ(check.restartLost(saved), (std::vector<std::string>{src("short-partial")}));
    const auto& items = saved.items;
    EXPECT_TRUE(items[0].item.isDone);
    EXPECT_FALSE(items[1].item.isDone);
    EXPECT_EQ(items[3].length, 0);
    EXPECT_TRUE(items[4].item.isDone);
    EXPECT_EQ(items[5].item.StartPosition, 4096);
    EXPECT_EQ(items[6].item.StartPosition, 8192);
    EXPECT_EQ(items[7].item.StartPosition, 0);
    EXPECT_TRUE(items[7].lost.empty());
    EXPECT_TRUE(items[7].ownsCopy) << "its partial copy is still the job's own";
}

}  // namespace
}  // namespace quorvex
