#include <gmock/gmock.h>

#include <csignal>
#include <filesystem>

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
        put("last.txt", "copied after it");
    }

    std::string job() const { return folder_.file("job"); }
    // The small files alone, which need no big file.
    std::vector<std::string> small() const {
        return {"--job", job(), source(), destination(), "first.txt", "last.txt"};
    }
    std::vector<std::string> again(const std::string& jobFile, const std::string& target) const {
        return {"--job", jobFile, source(), target, "first.txt", "big.bin", "last.txt"};
    }

    // Starts a rescue and presses Ctrl-C as soon as the big file's copy has begun.
    RescueProcess::Result interrupted() const {
        putPattern("big.bin", kBigSize);
        RescueProcess process(again(job(), destination()));
        EXPECT_TRUE(waitFor([&] { return sizeOf(destination() + "big.bin") > 0; }));
        process.signal(SIGINT);
        return process.finish();
    }
};

// A job file of other roots or other items is refused before anything is copied (a damaged one
// below).
TEST_F(RescueResumeTest, AStoppedRunSavesItsOffsetAndTheSameCommandFinishesTheFile) {
    const auto first = interrupted();
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

    const auto otherItems = RescueProcess::run({"--job", job(), source(), destination()});
    EXPECT_EQ(otherItems.status, 2);
    EXPECT_THAT(otherItems.err, HasSubstr("other items"));
    EXPECT_EQ(RescueProcess::run(again(job(), folder_.file("elsewhere"))).status, 2);
    EXPECT_FALSE(fs::exists(folder_.file("elsewhere")));

    const auto second = RescueProcess::run(again(job(), destination()));
    EXPECT_EQ(second.status, 0) << second.err;
    EXPECT_THAT(second.err, HasSubstr("Continuing the job: 2 of 3 files left."));
    expectCopied("first.txt");
    expectCopied("big.bin");
    expectCopied("last.txt");
    EXPECT_THAT(second.out,
                HasSubstr("Bytes copied:       " + std::to_string(kBigSize + 26 + 15) + " ("));
    for (const JobRecord& record : JobFile(job()).load().items) EXPECT_TRUE(record.item.isDone);
}

// Every number of a job file is checked before it steers anything (the job file's own tests
// go through each check); a hostile one ends with a message and status 2, never an abort, and
// writes nothing. Only a torn last update line, as a kill leaves it, is passed over; the file
// that job calls done has no copy, and a copy that is gone is made again, never reported whole.
TEST_F(RescueResumeTest, HostileJobFilesAreRefusedWithAMessage) {
    const std::string head = "quorvex-rescue job 2\nsource " + source() + "\ndestination " +
                             destination() + "\nselect first.txt\nselect last.txt\n";
    const std::string item = "item 0 0 0 0 0 0 0 " + source() + "first.txt\n";
    std::string many = head;
    for (std::size_t count = 0; count <= 1000000; ++count) many += item;
    const std::vector<std::pair<std::string, std::string>> cases{
        {many + "end 1000001\n", "more than 1000000 items"},
        {head + "item 0 0 65536 4096 0 0 0 " + source() + "last.txt\nend 1\n", "resume offset"},
    };
    for (const auto& [text, expected] : cases) {
        folder_.write("job", text);
        const auto result = RescueProcess::run(small());
        EXPECT_EQ(result.status, 2);
        EXPECT_THAT(result.err, HasSubstr("the job file is damaged"));
        EXPECT_THAT(result.err, HasSubstr(expected));
        EXPECT_FALSE(fs::exists(destination()));
    }
    folder_.write("job", head + item + "end 1\nupdate 1 1 0 0 26 0 0 26\nupdate 1 1 0 0 2");
    const auto torn = RescueProcess::run(small());
    EXPECT_EQ(torn.status, 0) << torn.err;
    EXPECT_THAT(torn.err, HasSubstr("Copying again (its copy is gone or changed): " + source() +
                                    "first.txt"));
    EXPECT_THAT(torn.out, HasSubstr("Files copied whole: 1\n"));
    expectCopied("first.txt");
}

TEST_F(RescueResumeTest, AnInterruptedFileWhoseCopyWasRemovedStartsOver) {
    ASSERT_EQ(interrupted().status, 1);
    fs::remove(destination() + "big.bin");
    const auto second = RescueProcess::run(again(job(), destination()));
    EXPECT_EQ(second.status, 0) << second.err;
    EXPECT_THAT(second.err, HasSubstr("Starting over"));
    expectCopied("big.bin");
}

}  // namespace
}  // namespace quorvex::test
