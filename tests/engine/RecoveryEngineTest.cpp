#include <unistd.h>

#include "RecoveryRig.h"

namespace quorvex {
namespace {

namespace fs = std::filesystem;
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

// A long run keeps only its latest lines; the observer still gets every one.
TEST(RecoveryDisplayTest, ALongHistoryKeepsItsLatestLines) {
    RecoveryDisplay display;
    const std::size_t lines = 3 * RecoveryDisplay::KeptLines + 7;
    for (std::size_t line = 1; line <= lines; ++line) display.AddHRec(std::to_string(line), true);
    display.AddHRec("last, replaced", false);
    const auto& history = display.history();
    EXPECT_GE(history.size(), RecoveryDisplay::KeptLines);
    EXPECT_LE(history.size(), 2 * RecoveryDisplay::KeptLines);
    EXPECT_EQ(history.back(), "last, replaced");
    EXPECT_EQ(history.front(), std::to_string(lines - history.size() + 1)) << "no gap";
}

TEST_F(RecoveryEngineTest, RunFiguresCountItemsAndPercent) {
    addFiles(3);
    struct Recorder final : RecoveryObserver {
        std::vector<std::string> items, percents;
        void historyLine(const std::string&, bool) override {}
        void figuresChanged(const RecoveryFigures& figures) override {
            if (!items.empty() && items.back() == figures.StatT[0]) return;
            items.push_back(figures.StatT[0]);
            percents.push_back(figures.runPercent);
        }
    } recorder;
    engine.display().setObserver(&recorder);
    run();
    EXPECT_EQ(recorder.items, (std::vector<std::string>{"", "1 / 3", "2 / 3", "3 / 3"}));
    EXPECT_EQ(recorder.percents.at(1), "33%");
    EXPECT_EQ(engine.display().figures().runPercent, "100%");
    EXPECT_EQ(engine.display().figures().StatT[1], "3000 b");
    EXPECT_EQ(engine.display().figures().StatR[0], "1000 b / 1000 b");
    EXPECT_EQ(engine.state.TotalCopiedBytes, 3000);

    // An observer that shows neither figures nor history is not sent figures, and is told of
    // each line without its text; the run counts all the same.
    struct Blind final : RecoveryObserver {
        int sent = 0;
        std::vector<bool> lines;
        std::string texts;
        void historyLine(const std::string& text, bool added) override {
            lines.push_back(added);
            texts += text;
        }
        void figuresChanged(const RecoveryFigures&) override { ++sent; }
        bool showsFigures() const override { return false; }
        bool showsHistory() const override { return false; }
    } blind;
    engine.display().setObserver(&blind);
    run();
    EXPECT_EQ(blind.sent, 0);
    EXPECT_EQ(blind.lines, (std::vector<bool>{true, true, false, false, true, false, false, true,
                                              false, false, true}))
        << "started, then each file's start, copying and outcome, then ended";
    EXPECT_EQ(blind.texts, "");
    EXPECT_TRUE(engine.display().history().empty());
    EXPECT_EQ(engine.state.TotalCopiedBytes, 3000);
    EXPECT_EQ(engine.state.FilesCopied, 3);
}

// Overwrite (1), skip (2), overwrite all (10) and skip all (20): after an all-answer no more
// questions, and a skipped file stays as it was.
TEST_F(RecoveryEngineTest, ExistingFilesAreAskedAboutUntilAnAllAnswer) {
    struct Row {
        std::vector<std::int16_t> answers;
        std::vector<bool> replaced;
    };
    const Row rows[] = {{{1, 2, 10}, {true, false, true, true}},
                        {{2, 20}, {false, false, false, false}}};
    for (const Row& row : rows) {
        engine.job.clear();
        addFiles(4);
        for (int i = 1; i <= 4; ++i) destination.write("file" + std::to_string(i), "old");
        for (const std::int16_t answer : row.answers) prompts.answerExistingFile(answer);
        const std::size_t askedBefore = prompts.askedAbout().size();
        EXPECT_EQ(run(), RunEnd::ProcessDone);
        EXPECT_EQ(prompts.askedAbout().size() - askedBefore, row.answers.size());
        for (int i = 1; i <= 4; ++i) {
            const std::string name = "file" + std::to_string(i);
            const bool replaced = row.replaced[static_cast<std::size_t>(i - 1)];
            EXPECT_EQ(destination.read(name),
                      replaced ? pattern(1000, static_cast<unsigned>(i)) : "old")
                << name;
            EXPECT_EQ(history()[static_cast<std::size_t>(i)],
                      source.file(name) + (replaced ? " - t32" : " - t12"));
            EXPECT_EQ(engine.job.item(i).isDone, replaced) << name;
        }
    }
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

// Stop is pressed during the first file's first read, or between the first and the second file.
// Go on ends the run normally and Stop this file fails only that file; Pause and Abort end the
// run before the next file is begun.
TEST_F(RecoveryEngineTest, StopAnswersDecideHowTheRunEnds) {
    struct Row {
        std::int16_t answer;
        bool betweenFiles;
        RunEnd end;
    };
    const Row rows[] = {{0, false, RunEnd::ProcessDone},   {2, false, RunEnd::ProcessDone},
                        {1, false, RunEnd::ProcessPaused}, {3, false, RunEnd::ProcessAborted},
                        {1, true, RunEnd::ProcessPaused},  {3, true, RunEnd::ProcessAborted}};
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message()
                     << "answer " << row.answer << " between " << row.betweenFiles);
        RecoveryEngine fresh{{files, folders, messages, prompts, events, speed, texts}};
        fresh.state.SourcePath = source.path();
        fresh.state.DestinationPath = destination.path();
        for (const char* name : {"one", "two", "three"}) {
            source.write(name, pattern(200 * 1024));
            fresh.job.append(JobItem{source.file(name)});
        }
        fresh.state.Items_Count = 3;
        const std::size_t readsSoFar = files.sourceReads().size();
        prompts.answerAbort(row.answer);
        events.when(
            [&] {
                return row.betweenFiles ? fresh.state.CurrentFile == 2
                                        : files.sourceReads().size() == readsSoFar + 1;
            },
            [&fresh] { fresh.TerminateMe(); });
        EXPECT_EQ(fresh.StartProcess(), row.end);
        const bool goesOn = row.answer == 0 || row.answer == 2;
        EXPECT_EQ(fresh.job.item(1).isDone, row.answer == 0 || row.betweenFiles);
        EXPECT_EQ(fresh.job.item(3).isDone, goesOn);
        EXPECT_EQ(fs::exists(destination.file("three")), goesOn);
        if (row.answer == 2) {
            EXPECT_EQ(fresh.display().history()[1], source.file("one") + " - t33");
        }
        if (row.betweenFiles) {
            EXPECT_EQ(fresh.state.ItemsNotCopied_Count, 2);
            EXPECT_FALSE(fs::exists(destination.file("two")));
        }
        fs::remove_all(destination.path());
        fs::create_directory(destination.path());
    }
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

// An item outside the source root is never copied; a missing source is asked about (Retry, then
// Cancel) and then not copied either.
TEST_F(RecoveryEngineTest, ItemsOutsideTheSourceRootOrMissingAreNotCopied) {
    source.write("inside", pattern(10));
    engine.job.append(JobItem{source.file("../escape")});
    engine.job.append(JobItem{"/etc/hostname"});
    addFile("gone");
    messages.answerWith(PromptAnswer::Retry);
    messages.answerWith(PromptAnswer::Cancel);
    run();
    EXPECT_EQ(history()[1], "t10: " + source.file("../escape"));
    EXPECT_EQ(history()[2], "t10: /etc/hostname");
    EXPECT_EQ(history()[3], "t10: " + source.file("gone"));
    ASSERT_EQ(messages.shown().size(), 2u);
    EXPECT_EQ(messages.shown()[0].text, "t30");
    EXPECT_FALSE(engine.job.item(3).isDone);
    EXPECT_TRUE(fs::is_empty(destination.path()));
}

}  // namespace
}  // namespace quorvex
