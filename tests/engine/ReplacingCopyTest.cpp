#include "DestinationRig.h"

namespace quorvex {
namespace {

namespace fs = std::filesystem;
constexpr std::size_t KiB = 1024;

class ReplacingCopyTest : public test::DestinationRig {
protected:
    ReplacingCopyTest() { source.write("f", pattern(300 * KiB)); }

    void startAgain(std::int64_t startPosition = 0) {
        for (const auto& entry : fs::directory_iterator(destination.path())) fs::remove_all(entry);
        engine.job.clear();
        recorder.notes.clear();
        addFile("f", startPosition);
    }
    std::string lastHistoryLine() { return history().at(history().size() - 2); }

    const std::string old = std::string(400 * KiB, 'O');
};

TEST_F(ReplacingCopyTest, AnEarlierFileIsReplacedOnlyByAWholeCopy) {
    struct Row {
        bool damaged;
        const char* keptAs;
    };
    const Row rows[] = {{false, ""},
                        {true, "f.rescued-incomplete"},
                        {true, "f.rescued-incomplete.2"}};
    for (const Row& row : rows) {
        const std::string taken = destination.read("f.rescued-incomplete");
        engine.job.clear();
        recorder.notes.clear();
        addFile("f");
        destination.write("f", old);
        if (row.damaged) files.addBadRange(100001, 100001);
        prompts.answerExistingFile(ExistingFileAnswer::Overwrite);

        EXPECT_EQ(run(), RunEnd::ProcessDone);
        EXPECT_TRUE(engine.job.item(1).isDone);
        EXPECT_FALSE(fs::exists(destination.file("f.quorvex-partial"))) << row.keptAs;
        if (!row.damaged) {
            EXPECT_TRUE(destination.read("f") == pattern(300 * KiB));
            EXPECT_EQ(lastHistoryLine(), source.file("f") + " - t32");
            EXPECT_TRUE(recorder.notes.empty());
            continue;
        }
        EXPECT_TRUE(destination.read("f") == old) << row.keptAs;
        const std::string kept = destination.read(row.keptAs);
        EXPECT_EQ(kept.size(), 300 * KiB) << row.keptAs;
        EXPECT_EQ(kept.substr(0, 98304), pattern(300 * KiB).substr(0, 98304));
        const DamageRecord& record = engine.damagedFiles().records().at(0);
        EXPECT_EQ(record.destination, destination.file("f"));
        EXPECT_EQ(record.keptBeside, destination.file(row.keptAs));
        EXPECT_EQ(recorder.notes,
                  std::vector<std::string>{"1: t42: " + destination.file(row.keptAs)});
        if (!taken.empty()) {
            EXPECT_TRUE(destination.read("f.rescued-incomplete") == taken);
        }
    }
}

TEST_F(ReplacingCopyTest, AnInterruptedOverwriteKeepsTheOldFileAndContinuesInItsPartialCopy) {
    startAgain();
    destination.write("f", old);
    prompts.answerExistingFile(ExistingFileAnswer::Overwrite);
    prompts.answerAbort(AbortAnswer::Pause);
    events.when([this] { return files.sourceReads().size() == 2; },
                [this] { engine.TerminateMe(); });
    EXPECT_EQ(run(), RunEnd::ProcessPaused);
    const JobItem paused = engine.job.item(1);
    EXPECT_GT(paused.StartPosition, 0);
    EXPECT_TRUE(destination.read("f") == old);
    EXPECT_GE(static_cast<std::int64_t>(fs::file_size(destination.file("f.quorvex-partial"))),
              paused.StartPosition);

    engine.job.clear();
    engine.job.append(paused);
    const std::size_t readsBefore = files.sourceReads().size();
    bool oldWholeMeanwhile = false;
    events.when([&] { return files.sourceReads().size() == readsBefore + 1; },
                [&] { oldWholeMeanwhile = destination.read("f") == old; });
    EXPECT_EQ(run(), RunEnd::ProcessDone);
    EXPECT_EQ(files.sourceReads().at(readsBefore).position, paused.StartPosition + 1);
    EXPECT_TRUE(oldWholeMeanwhile);
    EXPECT_EQ(prompts.askedAbout().size(), 1u) << "the continued copy asks nothing";
    EXPECT_TRUE(destination.read("f") == pattern(300 * KiB));
    EXPECT_FALSE(fs::exists(destination.file("f.quorvex-partial")));
    EXPECT_TRUE(engine.job.item(1).isDone);
}

TEST_F(ReplacingCopyTest, ACopyWhoseFileLeftTheDestinationIsNotCountedWhole) {
    const std::pair<const char*, std::function<void()>> disturbances[] = {
        {"removed", [this] { fs::remove(destination.file("f")); }},
        {"replaced",
         [this] { fs::rename(destination.write("other", "other"), destination.file("f")); }},
        {"renamed", [this] { fs::rename(destination.file("f"), destination.file("g")); }},
    };
    for (const std::int64_t resumedAt : {std::int64_t{0}, std::int64_t{64 * KiB}}) {
        for (const auto& [what, disturb] : disturbances) {
            startAgain(resumedAt);
            if (resumedAt > 0) destination.write("f", pattern(300 * KiB).substr(0, resumedAt));
            events.when([this] { return engine.fileCopiedBytes() >= 128 * 1024; }, disturb);

            EXPECT_EQ(run(), RunEnd::ProcessDone) << what;
            const JobItem& item = engine.job.item(1);
            EXPECT_FALSE(item.isDone) << what;
            EXPECT_EQ(item.CopiedBytes, 0) << what;
            EXPECT_EQ(item.StartPosition, 0) << what;
            EXPECT_EQ(engine.state.FilesCopied, 0) << what;
            EXPECT_EQ(recorder.notes, std::vector<std::string>{"1: t43"}) << what;
            EXPECT_EQ(lastHistoryLine(), source.file("f") + " - t33") << what;
            if (std::string(what) == "replaced") {
                EXPECT_EQ(destination.read("f"), "other");
            }
        }
    }
}

}  // namespace
}  // namespace quorvex
