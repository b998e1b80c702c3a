#include <gmock/gmock.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <thread>

#include "JobFile.h"
#include "RescueProcess.h"
#include "RescueTree.h"

namespace quorvex::test {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;

constexpr std::size_t kBigSize = (512u << 20) + 4321;

class RescueResumeTest : public RescueTree {
  protected:
    void SetUp() override {
        RescueTree::SetUp();
        put("first.txt", "copied before the big file");
        putPattern("big.bin", kBigSize);
        put("last.txt", "copied after it");
    }

    std::string job() const { return folder_.file("job"); }

    // Starts a rescue and presses Ctrl-C as soon as the big file's copy has begun.
    RescueProcess::Result interrupted(std::vector<std::string> arguments) const {
        arguments.push_back(source());
        arguments.push_back(destination());
        arguments.push_back("first.txt");
        arguments.push_back("big.bin");
        arguments.push_back("last.txt");
        RescueProcess process(arguments);
        const std::string copy = destination() + "big.bin";
        std::error_code error;
        while (process.running() && (fs::file_size(copy, error) == 0 || error))
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        process.signal(SIGINT);
        return process.finish();
    }
};

TEST_F(RescueResumeTest, AStoppedRunSavesItsOffsetAndTheSameCommandFinishesTheFile) {
    const auto first = interrupted({"--job", job()});
    ASSERT_EQ(first.status, 1) << first.err;
    EXPECT_THAT(first.err, HasSubstr("The job is saved in " + job()));

    const SavedJob saved = JobFile(job()).load();
    ASSERT_EQ(saved.items.size(), 3u);
    EXPECT_TRUE(saved.items[0].item.isDone);
    const JobItem& big = saved.items[1].item;
    EXPECT_EQ(big.FileName, source() + "big.bin");
    EXPECT_FALSE(big.isDone);
    EXPECT_GT(big.StartPosition, 0);
    EXPECT_LT(big.StartPosition, static_cast<std::int64_t>(kBigSize));
    EXPECT_GE(static_cast<std::int64_t>(fs::file_size(destination() + "big.bin")),
              big.StartPosition);
    EXPECT_FALSE(saved.items[2].item.isDone);
    EXPECT_FALSE(copyExists("last.txt"));

    const auto second = RescueProcess::run(
        {"--job", job(), source(), destination(), "first.txt", "big.bin", "last.txt"});
    EXPECT_EQ(second.status, 0) << second.err;
    EXPECT_THAT(second.err, HasSubstr("Continuing the job: 2 of 3 files left."));
    expectCopied("first.txt");
    expectCopied("big.bin");
    expectCopied("last.txt");
    EXPECT_THAT(second.out,
                HasSubstr("Bytes copied:       " + std::to_string(kBigSize + 26 + 15) + " ("));
    for (const JobRecord& record : JobFile(job()).load().items) EXPECT_TRUE(record.item.isDone);
}

TEST_F(RescueResumeTest, WithoutAJobFileAStopSaysThatNothingWasSaved) {
    const auto result = interrupted({});
    EXPECT_EQ(result.status, 1);
    EXPECT_THAT(result.err, HasSubstr("The job was not saved"));
    EXPECT_THAT(result.out, HasSubstr("not finished ("));
    EXPECT_FALSE(copyExists("last.txt"));
}

TEST_F(RescueResumeTest, AJobFileOfOtherRootsOrItemsOrDamagedIsRefused) {
    const auto first = interrupted({"--job", job()});
    ASSERT_EQ(first.status, 1) << first.err;
    const std::string saved = folder_.read("job");

    const auto otherItems = RescueProcess::run({"--job", job(), source(), destination()});
    EXPECT_EQ(otherItems.status, 2);
    EXPECT_THAT(otherItems.err, HasSubstr("other items"));
    const auto otherRoot = RescueProcess::run(
        {"--job", job(), source(), folder_.file("elsewhere"), "first.txt", "big.bin", "last.txt"});
    EXPECT_EQ(otherRoot.status, 2);
    EXPECT_FALSE(fs::exists(folder_.file("elsewhere")));

    folder_.write("job", saved.substr(0, saved.size() - 4));
    const auto cut = RescueProcess::run(
        {"--job", job(), source(), destination(), "first.txt", "big.bin", "last.txt"});
    EXPECT_EQ(cut.status, 2);
    EXPECT_THAT(cut.err, HasSubstr("the job file is damaged"));
}

TEST_F(RescueResumeTest, AnInterruptedFileWhoseCopyWasRemovedStartsOver) {
    ASSERT_EQ(interrupted({"--job", job()}).status, 1);
    fs::remove(destination() + "big.bin");
    const auto second = RescueProcess::run(
        {"--job", job(), source(), destination(), "first.txt", "big.bin", "last.txt"});
    EXPECT_EQ(second.status, 0) << second.err;
    EXPECT_THAT(second.err, HasSubstr("Starting over"));
    expectCopied("big.bin");
}

}  // namespace
}  // namespace quorvex::test
