#include <unistd.h>

#include "RecoveryRig.h"

namespace quorvex {
namespace {

using test::RecoveryRig;

class RecoveryEngineTest : public RecoveryRig {
protected:
    void addFiles(int count, std::size_t size = 1000) {
        for (int i = 1; i <= count; ++i) {
            const std::string name = "file" + std::to_string(i);
            source.write(name, pattern(size, static_cast<unsigned>(i)));
            addFile(name);
        }
    }
    // The user presses Stop once the source has been read that many times, and answers.
    void stopAfterReads(std::size_t reads, std::int16_t answer) {
        prompts.answerAbort(answer);
        events.when([this, reads] { return files.sourceReads().size() == reads; },
                    [this] { engine.TerminateMe(); });
    }
};

TEST_F(RecoveryEngineTest, FoldersComeFirstAndTheHistoryTellsEachOutcome) {
    std::filesystem::create_directories(source.file("photos/2004"));
    source.write("photos/a.jpg", pattern(10));
    source.write("photos/2004/b.jpg", pattern(20));
    addFolder("photos");
    addFile("photos/a.jpg");
    engine.job.append(JobItem{"\t" + source.file("photos/2004/")});
    addFile("photos/2004/b.jpg");
    engine.state.Items_Count = 4;

    EXPECT_EQ(run(), RunEnd::ProcessDone);
    EXPECT_EQ(destination.read("photos/2004/b.jpg"), pattern(20));
    EXPECT_EQ(engine.state.ItemsFolders_Count, 2);
    EXPECT_EQ(history(), (std::vector<std::string>{
                             "t14", "t9: \"" + destination.file("photos") + "\".",
                             source.file("photos/a.jpg") + " - ok",
                             "t9: \"" + destination.file("photos/2004/") + "\".",
                             source.file("photos/2004/b.jpg") + " - ok", "t37"}));
    EXPECT_EQ(engine.display().frameCaption(), "t37");
    EXPECT_FALSE(engine.state.isCopyingProcess);
}

TEST_F(RecoveryEngineTest, RunFiguresCountItemsAndPercent) {
    addFiles(3);
    std::vector<std::string> itemTexts, percents;
    struct Recorder final : RecoveryObserver {
        std::vector<std::string>* items;
        std::vector<std::string>* percents;
        void historyLine(const std::string&, bool) override {}
        void figuresChanged(const RecoveryFigures& figures) override {
            if (items->empty() || items->back() != figures.StatT[0]) {
                items->push_back(figures.StatT[0]);
                percents->push_back(figures.runPercent);
            }
        }
    } recorder;
    recorder.items = &itemTexts;
    recorder.percents = &percents;
    engine.display().setObserver(&recorder);
    run();
    EXPECT_EQ(itemTexts, (std::vector<std::string>{"", "1 / 3", "2 / 3", "3 / 3"}));
    EXPECT_EQ(percents[1], "33%");
    EXPECT_EQ(engine.display().figures().runPercent, "100%");
    EXPECT_EQ(engine.display().figures().StatT[1], "3000 b");
    EXPECT_EQ(engine.display().figures().StatR[0], "1000 b / 1000 b");
    EXPECT_EQ(engine.state.TotalCopiedBytes, 3000);
}

TEST_F(RecoveryEngineTest, ExistingFilesAreAskedAboutUntilAnAllAnswer) {
    addFiles(4);
    for (int i = 1; i <= 4; ++i) destination.write("file" + std::to_string(i), "old");
    prompts.answerExistingFile(1);
    prompts.answerExistingFile(2);
    prompts.answerExistingFile(10);
    run();
    EXPECT_EQ(prompts.askedAbout().size(), 3u) << "no question after overwrite all";
    EXPECT_EQ(destination.read("file1"), pattern(1000, 1));
    EXPECT_EQ(destination.read("file2"), "old");
    EXPECT_EQ(destination.read("file3"), pattern(1000, 3));
    EXPECT_EQ(destination.read("file4"), pattern(1000, 4));
    EXPECT_EQ(history()[1], source.file("file1") + " - t32");
    EXPECT_EQ(history()[2], source.file("file2") + " - t12");
    EXPECT_EQ(engine.job.item(2).isDone, false);
}

TEST_F(RecoveryEngineTest, SkipAllLeavesEveryExistingFileUntouched) {
    addFiles(3);
    for (int i = 1; i <= 3; ++i) destination.write("file" + std::to_string(i), "keep");
    prompts.answerExistingFile(2);
    prompts.answerExistingFile(20);
    EXPECT_EQ(run(), RunEnd::ProcessDone);
    EXPECT_EQ(prompts.askedAbout().size(), 2u);
    for (int i = 1; i <= 3; ++i) EXPECT_EQ(destination.read("file" + std::to_string(i)), "keep");
}

TEST_F(RecoveryEngineTest, ADestinationThatIsTheSourceItselfIsNeverTouched) {
    source.write("only.bin", pattern(5000));
    std::filesystem::remove_all(destination.path());
    const std::string root = destination.path().substr(0, destination.path().size() - 1);
    std::filesystem::create_directory_symlink(source.path(), root);
    addFile("only.bin");
    run();
    EXPECT_EQ(source.read("only.bin"), pattern(5000));
    EXPECT_TRUE(prompts.askedAbout().empty());
    EXPECT_EQ(history()[1], source.file("only.bin") + " - t12");
}

TEST_F(RecoveryEngineTest, PausingAtItemThreeOfTenKeepsTheOffsetAndClearsTheRest) {
    addFiles(10, 300 * 1024);
    stopAfterReads(2 * 5 + 2, 1);  // five reads a file: inside the third one
    EXPECT_EQ(run(), RunEnd::ProcessPaused);
    EXPECT_EQ(engine.state.CurrentFile, 3);
    EXPECT_EQ(engine.state.ItemsNotCopied_Count, 8);
    const JobItem& third = engine.job.item(3);
    EXPECT_FALSE(third.isDone);
    EXPECT_GT(third.StartPosition, 0);
    EXPECT_LT(third.StartPosition, 300 * 1024);
    EXPECT_EQ(third.CopiedBytes, third.StartPosition);
    for (int later = 4; later <= 10; ++later) {
        EXPECT_EQ(engine.job.item(later).StartPosition, 0);
        EXPECT_EQ(engine.job.item(later).CopiedBytes, 0);
        EXPECT_FALSE(engine.job.item(later).isDone);
    }
    EXPECT_FALSE(std::filesystem::exists(destination.file("file4")));

    // The same job run again continues the third file where it stopped.
    std::vector<JobItem> left;
    for (int i = 3; i <= 10; ++i) left.push_back(engine.job.item(i));
    engine.job.clear();
    for (const JobItem& item : left) engine.job.append(item);
    engine.state.Items_Count = engine.job.size();
    const std::int64_t resumeAt = left.front().StartPosition;
    const std::size_t readsBefore = files.sourceReads().size();
    EXPECT_EQ(run(), RunEnd::ProcessDone);
    EXPECT_EQ(files.sourceReads().at(readsBefore).position, resumeAt + 1)
        << "bytes before the resume point are not read again";
    for (int i = 3; i <= 10; ++i)
        EXPECT_TRUE(destination.read("file" + std::to_string(i)) ==
                    pattern(300 * 1024, static_cast<unsigned>(i)))
            << "file " << i;
}

TEST_F(RecoveryEngineTest, StopAnswersDecideHowTheRunEnds) {
    const std::pair<std::int16_t, RunEnd> cases[] = {
        {0, RunEnd::ProcessDone}, {1, RunEnd::ProcessPaused}, {3, RunEnd::ProcessAborted}};
    for (const auto& [answer, expected] : cases) {
        RecoveryEngine fresh{{files, folders, messages, prompts, events, speed, texts}};
        fresh.state.SourcePath = source.path();
        fresh.state.DestinationPath = destination.path();
        for (const char* name : {"one", "two"}) {
            source.write(name, pattern(200 * 1024));
            fresh.job.append(JobItem{source.file(name)});
        }
        fresh.state.Items_Count = 2;
        const std::size_t readsSoFar = files.sourceReads().size();
        prompts.answerAbort(answer);
        events.when([this, readsSoFar] { return files.sourceReads().size() == readsSoFar + 1; },
                    [&fresh] { fresh.TerminateMe(); });
        EXPECT_EQ(fresh.StartProcess(), expected) << "answer " << answer;
        EXPECT_EQ(fresh.job.item(2).isDone, answer == 0) << "answer " << answer;
        std::filesystem::remove_all(destination.path());
        std::filesystem::create_directory(destination.path());
    }
}

TEST_F(RecoveryEngineTest, APauseOrAbortAnsweredBetweenTwoFilesEndsTheRunBeforeTheNext) {
    const std::pair<std::int16_t, RunEnd> cases[] = {{1, RunEnd::ProcessPaused},
                                                     {3, RunEnd::ProcessAborted}};
    for (const auto& [answer, expected] : cases) {
        RecoveryEngine fresh{{files, folders, messages, prompts, events, speed, texts}};
        fresh.state.SourcePath = source.path();
        fresh.state.DestinationPath = destination.path();
        for (const char* name : {"one", "two", "three"}) {
            source.write(name, pattern(20 * 1024));
            fresh.job.append(JobItem{source.file(name)});
        }
        fresh.state.Items_Count = 3;
        prompts.answerAbort(answer);
        events.when([&fresh] { return fresh.state.CurrentFile == 2; },
                    [&fresh] { fresh.TerminateMe(); });
        EXPECT_EQ(fresh.StartProcess(), expected) << "answer " << answer;
        EXPECT_TRUE(fresh.job.item(1).isDone);
        EXPECT_EQ(fresh.state.ItemsNotCopied_Count, 2);
        EXPECT_FALSE(std::filesystem::exists(destination.file("two"))) << "answer " << answer;
        EXPECT_FALSE(std::filesystem::exists(destination.file("three"))) << "answer " << answer;
        std::filesystem::remove_all(destination.path());
        std::filesystem::create_directory(destination.path());
    }
}

TEST_F(RecoveryEngineTest, StopThisFileFailsOnlyThatFile) {
    addFiles(2, 200 * 1024);
    stopAfterReads(1, 2);
    EXPECT_EQ(run(), RunEnd::ProcessDone) << "the next copy clears the answer";
    EXPECT_FALSE(engine.job.item(1).isDone);
    EXPECT_TRUE(engine.job.item(2).isDone);
    EXPECT_EQ(history()[1], source.file("file1") + " - t33");
}

TEST_F(RecoveryEngineTest, APauseAfterTheLastCopyEndsThePausedRun) {
    addFiles(1);
    std::filesystem::create_directory(source.file("after"));
    addFolder("after");
    prompts.answerAbort(1);
    events.when([this] { return engine.state.CurrentFile == 2; }, [this] { engine.TerminateMe(); });
    EXPECT_EQ(run(), RunEnd::ProcessPaused);
    EXPECT_TRUE(engine.job.item(1).isDone);
}

TEST_F(RecoveryEngineTest, AFolderThatCannotBeCreatedEndsTheRunBeforeLaterItems) {
    source.write("a", pattern(10));
    destination.write("blocked", "a file where the folder should go");
    std::filesystem::create_directory(source.file("blocked"));
    addFolder("blocked");
    addFile("a");
    EXPECT_EQ(run(), RunEnd::ProcessDone);
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].text, "t11");
    EXPECT_FALSE(std::filesystem::exists(destination.file("a")));
    EXPECT_EQ(engine.state.CurrentFile, 1);
}

TEST_F(RecoveryEngineTest, ADestinationThatCannotBeCreatedIsReportedWithoutACrash) {
    source.write("a", pattern(10));
    source.write("b", pattern(10));
    engine.state.DestinationPath = destination.file("missing/");
    addFile("a");
    addFile("b");
    run();
    EXPECT_EQ(engine.state.Items_Count, -1);
    EXPECT_EQ(messages.shown().at(0).text,
              "Unable to continue.\rDestination path not found. Please restart process.");
    EXPECT_EQ(engine.display().figures().runPercent, "0%");
    EXPECT_EQ(engine.state.FilesCopied, 0);
}

TEST_F(RecoveryEngineTest, ItemsOutsideTheSourceRootAreNeverCopied) {
    source.write("inside", pattern(10));
    engine.job.append(JobItem{source.file("../escape")});
    engine.job.append(JobItem{"/etc/hostname"});
    engine.state.Items_Count = 2;
    run();
    EXPECT_EQ(history()[1], "t10: " + source.file("../escape"));
    EXPECT_EQ(history()[2], "t10: /etc/hostname");
    EXPECT_TRUE(std::filesystem::is_empty(destination.path()));
}

TEST_F(RecoveryEngineTest, AMissingSourceIsAskedAboutAndThenNotCopied) {
    addFile("gone");
    messages.answerWith(PromptAnswer::Retry);
    messages.answerWith(PromptAnswer::Cancel);
    run();
    EXPECT_EQ(messages.shown().size(), 2u);
    EXPECT_EQ(messages.shown()[0].text, "t30");
    EXPECT_EQ(history()[1], "t10: " + source.file("gone"));
    EXPECT_FALSE(engine.job.item(1).isDone);
}

}  // namespace
}  // namespace quorvex
