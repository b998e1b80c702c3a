#include <QTabWidget>
#include <filesystem>

#include "FileSystemMethods.h"
#include "PagesRig.h"

namespace quorvex::test {
namespace {

namespace fs = std::filesystem;

// The burn steps over the pages, a recording window and a scripted burner. The tree's root is
// the machine's one drive, and the program's folder lies on it.
class BurnWiringTest : public PagesRig {
  protected:
    BurnWiringTest() {
        state.ProgramPath = root();
        burnSettings.applyTexts(state);
    }
    // Marks the files of the folder for task 3 and takes the source step.
    void markForBurning(const QStringList& names) {
        mark(root() + "data/", names);
        flow.state.WizardTask = 3;
        flow.log.clear();
        wiring.sourceStep();
    }
    int tabs() { return burnSettings.findChild<QTabWidget*>("CDRipTabStrip")->count(); }
};

TEST_F(BurnWiringTest, MarkedFilesOnTheProgramsDriveAreBurntAsTheyAreOnceADiscIsReady) {
    put("data/a.txt", "alpha");
    put("data/b.txt", "not marked");
    burnSettings.setTempFolder(root() + "tmp/");
    markForBurning({"a.txt"});

    EXPECT_EQ(messages(), std::vector<std::string>{}) << "no question on one drive";
    EXPECT_EQ(flow.state.CurrentPage, 5);
    EXPECT_EQ(burner.log, std::vector<std::string>{"InitializeMe " + root() + "data/ " + root() +
                                                   "data/"});
    EXPECT_EQ(burner.selection, std::vector<std::string>{"a.txt"}) << "only what was marked";
    EXPECT_EQ(flow.log, (std::vector<std::string>{"buttons 0 0 0", "captions", "media 5",
                                                  "move 4", "buttons 1 0 1", "captions"}))
        << "Next stays off without a ready disc";
    const RecoveryState& figures = copying.process().state();
    EXPECT_EQ(figures.Items_Count, 1);
    EXPECT_EQ(figures.CurrentFile, 1);
    EXPECT_EQ(figures.ItemsFolders_Count, -1);
    EXPECT_EQ(figures.TotalCopiedBytes, 5);
    EXPECT_FALSE(figures.isCopyingProcess);
    burning.driveReadinessChanged(true);
    EXPECT_EQ(flow.log.back(), "buttons 1 1 1");
}

// On another drive the user is asked; Yes leads to the temporary folder's page, where a
// selection exactly as large as the free space is refused and the copy folder goes again.
TEST_F(BurnWiringTest, ACopyThroughTheTemporaryFolderNeedsMoreFreeSpaceThanTheSelection) {
    put("data/empty.txt", "");
    drives.add(data.path());
    burnSettings.setTempFolder(data.path());
    prompts.answerWith(PromptAnswer::Yes);
    markForBurning({"empty.txt"});
    ASSERT_EQ(messages(), std::vector<std::string>{state.Lang_MainText[87]});
    EXPECT_EQ(flow.state.WizardTask, 6);
    EXPECT_EQ(flow.state.CurrentPage, 2);
    EXPECT_EQ(tabs(), 1);

    flow.log.clear();
    burning.settingsStep();
    EXPECT_EQ(messages().back(), state.Lang_MainText[67]);
    EXPECT_EQ(flow.log.back(), "buttons 1 1 1");
    EXPECT_EQ(flow.state.CurrentPage, 2);
    EXPECT_FALSE(fs::exists(data.path() + FileSystemMethods::CopyFolderName));
}

TEST_F(BurnWiringTest, ATemporaryFolderOnTheDriveBeingRescuedIsRefused) {
    put("data/a.txt", "alpha");
    burnSettings.setTempFolder(root() + "tmp/");
    fs::create_directory(root() + "tmp");
    flow.state.WizardTask = 6;
    mark(root() + "data/", {"a.txt"});
    burning.settingsStep();
    EXPECT_EQ(messages().back(), state.Lang_MainText[89]);
    EXPECT_FALSE(fs::exists(root() + "tmp/" + FileSystemMethods::CopyFolderName));
    EXPECT_EQ(flow.log.back(), "buttons 1 1 1");
}

TEST_F(BurnWiringTest, CancelStopsTheBurnInItsOrderAndTheEndLeadsToTheReportPage) {
    flow.state.CurrentPage = 5;
    EXPECT_FALSE(burning.cancelBurn()) << "nothing to cancel before writing starts";
    burning.writingStarted();
    EXPECT_TRUE(burning.cancelBurn());
    EXPECT_FALSE(burning.burning());
    EXPECT_EQ(flow.log.back(), "cancel off");
    burning.burnFinished();
    EXPECT_EQ(burner.log,
              (std::vector<std::string>{"CancelBurn", "AbortJob", "OpenTray", "DisableMe"}));
    EXPECT_EQ(messages().back(), state.Lang_MainText[141]);
    EXPECT_EQ(flow.log.back(), "report 0 0");
}

TEST_F(BurnWiringTest, TheEraseQuestionAnsweredNoLeavesTheBurnerUntouched) {
    prompts.answerWith(PromptAnswer::No);
    burning.eraseRequested(true);
    EXPECT_EQ(burner.log, std::vector<std::string>{});
    prompts.answerWith(PromptAnswer::Yes);
    burning.eraseRequested(true);
    EXPECT_EQ(messages(), (std::vector<std::string>{state.Lang_MainText[88],
                                                    state.Lang_MainText[88]}));
    EXPECT_EQ(burner.log,
              (std::vector<std::string>{"DisableMe", "QuickErase 0", "ReInitializeMe"}));
}

}  // namespace
}  // namespace quorvex::test
