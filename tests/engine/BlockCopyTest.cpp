#include "RecoveryRig.h"

namespace quorvex {
namespace {

using test::RecoveryRig;
constexpr std::int64_t KiB = 1024;

class BlockCopyTest : public RecoveryRig {};

TEST_F(BlockCopyTest, HealthyFilesCopyWholeInBlocksOf64KiB) {
    const std::string bytes = pattern(200 * KiB + 5);
    source.write("big.bin", bytes);
    source.write("small.bin", pattern(100));
    source.write("empty.bin", "");
    addFile("big.bin");
    addFile("small.bin");
    addFile("empty.bin");

    EXPECT_EQ(run(), RunEnd::ProcessDone);
    EXPECT_EQ(destination.read("big.bin"), bytes);
    EXPECT_EQ(destination.read("small.bin"), pattern(100));
    EXPECT_TRUE(std::filesystem::exists(destination.file("empty.bin")));
    // The last block takes the whole rest when fewer than a block and two bytes remain.
    EXPECT_EQ(readLengths(), (std::vector<std::int64_t>{65536, 65536, 65536, 8197, 100}));
    EXPECT_EQ(engine.state.FilesCopied, 3);
    EXPECT_EQ(engine.state.CorruptedFilesCount, 0);
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(BlockCopyTest, ADamagedBlockIsProbedDownTo8KiBSkippedAndLeftAsAGap) {
    const std::string bytes = pattern(512 * KiB);
    source.write("disc.iso", bytes);
    files.addBadRange(131073 + 100, 131073 + 4195);  // one bad 4 KiB sector in the third block
    addFile("disc.iso");

    EXPECT_EQ(run(), RunEnd::ProcessDone);
    const auto lengths = readLengths();
    ASSERT_GE(lengths.size(), 8u);
    EXPECT_EQ(std::vector<std::int64_t>(lengths.begin(), lengths.begin() + 8),
              (std::vector<std::int64_t>{65536, 65536, 65536, 32768, 16384, 8192, 8192, 16384}))
        << "halving to 8 KiB, the failing 8 KiB declared damaged, then doubling again";
    const std::string copy = destination.read("disc.iso");
    ASSERT_EQ(copy.size(), bytes.size());
    EXPECT_EQ(copy.substr(0, 131072), bytes.substr(0, 131072));
    EXPECT_EQ(copy.substr(131072, 8192), std::string(8192, '\0')) << "never written";
    EXPECT_EQ(copy.substr(139264), bytes.substr(139264));

    ASSERT_EQ(engine.damagedFiles().records().size(), 1u);
    const DamageRecord& record = engine.damagedFiles().records().front();
    EXPECT_EQ(record.rangeText, " 131073 - 139264,");
    EXPECT_EQ(record.lostBytes, 8192);
    EXPECT_EQ(record.File1Size, 512 * KiB);
    EXPECT_EQ(engine.state.CorruptedFilesCount, 1);
    EXPECT_EQ(engine.state.TotalLostBytes, 8192);
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown().front().text, "t36");
}

TEST_F(BlockCopyTest, NeighbouringDamagedBlocksFormOneRangeAndScatteredOnesTheirOwn) {
    const std::string bytes = pattern(1024 * KiB);
    source.write("f", bytes);
    files.addBadRange(65537, 65537 + 20000);        // spans three 8 KiB blocks
    files.addBadRange(700001, 700001);              // a single bad byte far away
    addFile("f");
    run();
    const DamageRecord& record = engine.damagedFiles().records().at(0);
    EXPECT_EQ(record.rangeText, " 65537 - 90112, 696321 - 704512,");
    EXPECT_EQ(record.lostBytes, 3 * 8192 + 8192);
    const std::string copy = destination.read("f");
    EXPECT_EQ(copy.substr(90112, 606208), bytes.substr(90112, 606208));
}

TEST_F(BlockCopyTest, ADamagedFinalBlockCountsOnlyTheBytesUpToTheEnd) {
    const std::string bytes = pattern(70000);
    source.write("f", bytes);
    files.addBadRange(65537, 70000);
    addFile("f");
    run();
    const DamageRecord& record = engine.damagedFiles().records().at(0);
    EXPECT_EQ(record.rangeText, " 65537 - 70000,");
    EXPECT_EQ(record.lostBytes, 70000 - 65536);
    EXPECT_EQ(destination.read("f"), bytes.substr(0, 65536)) << "nothing written past the source";
}

TEST_F(BlockCopyTest, AResumedCopyTouchesOnlyTheBytesAfterItsStart) {
    const std::string bytes = pattern(1000);
    source.write("f", bytes);
    destination.write("f", std::string(990, 'K'));
    addFile("f", 990);
    EXPECT_EQ(run(), RunEnd::ProcessDone);
    EXPECT_EQ(readLengths(), std::vector<std::int64_t>{10});
    EXPECT_EQ(destination.read("f"), std::string(990, 'K') + bytes.substr(990));
    EXPECT_TRUE(prompts.askedAbout().empty()) << "a resumed file continues without a question";
    EXPECT_TRUE(engine.job.item(1).isDone);
    EXPECT_EQ(engine.job.item(1).CopiedBytes, 1000);
}

TEST_F(BlockCopyTest, ASourceThatShrankIsCopiedOnlyAsFarAsItWasRead) {
    source.write("f", pattern(300 * KiB));
    files.shrinkSourceTo(100 * KiB + 17);
    addFile("f");
    run();
    EXPECT_EQ(destination.read("f"), pattern(300 * KiB).substr(0, 100 * KiB + 17));
    ASSERT_EQ(engine.damagedFiles().records().size(), 1u) << "it did not reach its end";
    EXPECT_EQ(engine.damagedFiles().records()[0].Copied, 100 * KiB + 17);
    EXPECT_EQ(engine.damagedFiles().records()[0].lostBytes, 0);
}

TEST_F(BlockCopyTest, AFailingWriteAsksToRetryAndLosesNothing) {
    const std::string bytes = pattern(100 * KiB);
    source.write("f", bytes);
    files.failNextWrite(ErrorNumber::DiskFull);
    files.failNextWrite(ErrorNumber::PathFileAccessError);
    messages.answerWith(PromptAnswer::Retry);
    messages.answerWith(PromptAnswer::Retry);
    addFile("f");
    EXPECT_EQ(run(), RunEnd::ProcessDone);
    EXPECT_EQ(destination.read("f"), bytes);
    ASSERT_EQ(messages.shown().size(), 2u);
    EXPECT_EQ(messages.shown()[0].text, "t30");
    EXPECT_EQ(messages.shown()[1].text, "t38");
    EXPECT_EQ(messages.shown()[1].buttons, PromptButtons::RetryCancel);
    EXPECT_EQ(engine.state.TotalLostBytes, 0);
    EXPECT_EQ(engine.state.CorruptedFilesCount, 0);
}

TEST_F(BlockCopyTest, ACancelledWriteFailsTheFileWithoutCountingLostBytes) {
    source.write("f", pattern(100 * KiB));
    source.write("g", pattern(10));
    files.failNextWrite(ErrorNumber::PermissionDenied);
    messages.answerWith(PromptAnswer::Cancel);
    addFile("f");
    addFile("g");
    EXPECT_EQ(run(), RunEnd::ProcessDone);
    EXPECT_FALSE(engine.job.item(1).isDone);
    EXPECT_EQ(history()[1], source.file("f") + " - t33");
    EXPECT_EQ(engine.state.TotalLostBytes, 0);
    EXPECT_EQ(engine.state.AboutExistingFiles, 2);
    EXPECT_TRUE(engine.job.item(2).isDone) << "the run goes on";
}

TEST_F(BlockCopyTest, AVanishedDeviceAsksForTheDriveAndCancelStopsTheFile) {
    source.write("f", pattern(100 * KiB));
    files.failNextRead(ErrorNumber::DiskNotReady);
    messages.answerWith(PromptAnswer::Cancel);
    addFile("f");
    run();
    EXPECT_EQ(messages.shown().at(0).text, "t29");
    EXPECT_FALSE(engine.job.item(1).isDone);
    EXPECT_EQ(engine.state.CorruptedFilesCount, 1) << "the copy did not reach the end";
}

}  // namespace
}  // namespace quorvex
