#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTabWidget>
#include <chrono>
#include <filesystem>
#include <thread>

#include "BurnStatusText.h"

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
        // Sizes are shown in the user's locale; these tests read them in the C locale's form.
        QLocale::setDefault(QLocale::c());
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
    template <typename Widget = QPushButton>
    Widget& onBurningPage(const char* name) {
        return *burningPage.findChild<Widget*>(name);
    }
    std::string text(int index) const { return state.Lang_MainText[static_cast<std::size_t>(index)]; }
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

// Task 2: without a disc in a drive the step stays; with one, the disc's files without the
// hidden ones are copied into the temporary folder, and the copy is what the burner gets.
TEST_F(BurnWiringTest, AWholeDiscIsCopiedThroughTheTemporaryFolderAndThenBurnt) {
    flow.state.WizardTask = 2;
    flow.state.CurrentPage = 2;
    burnSettings.showTabs(true);
    burnSettings.showDrives();
    burning.settingsStep();
    EXPECT_EQ(messages().back(), text(66));
    EXPECT_EQ(flow.log.back(), "buttons 1 1 1");

    put("disc/photos/a.jpg", "alpha");
    put("disc/.hidden", "not copied");
    drives.add(root() + "disc/", DriveType::CdRom, "DISC");
    drives.add(data.path());
    drives.everySpace = {1 << 30, 1 << 30};
    burnSettings.setTempFolder(data.path());
    burnSettings.showDrives();
    burning.settingsStep();
    const std::string copy = data.path() + FileSystemMethods::CopyFolderName + "/";
    EXPECT_EQ(flow.state.CurrentPage, 5);
    EXPECT_EQ(burner.log.back(), "InitializeMe " + root() + "disc/ " + copy);
    EXPECT_TRUE(fs::exists(copy + "photos/a.jpg"));
    EXPECT_FALSE(fs::exists(copy + ".hidden"));
    EXPECT_EQ(burner.selection, std::vector<std::string>{}) << "the whole copy is burnt";
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

// Yes starts the erase through ReInitializeMe; the page is locked until the erase has ended.
TEST_F(BurnWiringTest, TheEraseQuestionAnsweredNoLeavesTheBurnerUntouched) {
    prompts.answerWith(PromptAnswer::No);
    burning.eraseRequested(true);
    EXPECT_EQ(burner.log, std::vector<std::string>{});
    prompts.answerWith(PromptAnswer::Yes);
    burner.shown.phase = BurnPhase::Erasing;
    burning.eraseRequested(true);
    EXPECT_EQ(messages(), (std::vector<std::string>{text(88), text(88)}));
    EXPECT_EQ(burner.log,
              (std::vector<std::string>{"DisableMe", "QuickErase 0", "ReInitializeMe"}));
    EXPECT_FALSE(onBurningPage("StartBurn").isEnabled());
    EXPECT_EQ(onBurningPage<QLabel>("BurnProgressText").text().toStdString(), text(113) + "...");
    burner.shown.phase = BurnPhase::Done;
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!onBurningPage("StartBurn").isEnabled() && std::chrono::steady_clock::now() < end) {
        QCoreApplication::processEvents();
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_TRUE(onBurningPage("StartBurn").isEnabled());
}

// An image file that exists is written over only after the question; a burn the burner refuses
// says why and leaves the page as it was; a started one locks the page and Back and Next.
TEST_F(BurnWiringTest, TheBurningPageAsksBeforeReplacingAnImageAndSaysWhyABurnDidNotStart) {
    burningPage.applyTexts(state);
    burningPage.prepare("RESCUED");
    const std::string image = put("out.iso", "an earlier image");
    onBurningPage<QLineEdit>("ImageFile").setText(QString::fromStdString(image));
    prompts.answerWith(PromptAnswer::No);
    onBurningPage("StartBurn").click();
    EXPECT_EQ(messages().back(), text(145));
    EXPECT_EQ(std::count(burner.log.begin(), burner.log.end(), "startBurn"), 0);

    burner.refusal = {StartRefusalReason::TooLarge, 2'000'000'000, 1'000'000'000};
    prompts.answerWith(PromptAnswer::Yes);
    onBurningPage("StartBurn").click();
    EXPECT_EQ(burner.log.back(), "startBurn");
    EXPECT_EQ(burner.target.imagePath(), image);
    EXPECT_TRUE(burner.target.replaceExistingImage);
    EXPECT_EQ(burner.label, "RESCUED");
    EXPECT_TRUE(burner.verify) << "read back unless the user says otherwise";
    EXPECT_EQ(onBurningPage<QLabel>("BurnResult").text().toStdString(),
              text(142) + " (2.0 GB > 1.0 GB)");
    EXPECT_FALSE(burning.burning());

    burner.refusal = {};
    burner.shown = {BurnPhase::Writing, 1'000'000, 2'000'000, 500'000, 65, "", {}, false};
    flow.log.clear();
    onBurningPage("StartBurn").click();
    EXPECT_EQ(messages().size(), 2u) << "asked once for the same file";
    EXPECT_TRUE(burning.burning());
    EXPECT_EQ(flow.log, std::vector<std::string>{"buttons 0 0 1"});
    EXPECT_FALSE(onBurningPage("StartBurn").isEnabled());
    EXPECT_EQ(onBurningPage<QLabel>("BurnProgressText").text().toStdString(),
              text(131) + ": 1.0 MB / 2.0 MB, 500.0 kB/s, " + text(133) + ": 0:01:05");
}

TEST_F(BurnWiringTest, TheBurnsEndNamesTheFilesThatDoNotReadBack) {
    BurnProgress verified{BurnPhase::Done, 10, 10, 0, 0, "", {}, true};
    for (int file = 0; file < 25; ++file) verified.differingFiles.push_back("f" + std::to_string(file));
    const BurnOutcome outcome = BurnStatusText(state.Lang_MainText).outcome(verified, false);
    const QStringList lines = outcome.message.split('\n');
    EXPECT_EQ(outcome.icon, PromptIcon::Critical);
    ASSERT_EQ(lines.size(), 22);
    EXPECT_EQ(lines.front().toStdString(), text(139));
    EXPECT_EQ(lines[20], "f19");
    EXPECT_EQ(lines.back(), "... (25)");
    EXPECT_EQ(BurnStatusText(state.Lang_MainText)
                  .medium({MediumState::Appendable, true, 4'700'000'000})
                  .toStdString(),
              text(117) + ", " + text(120) + ", 4.7 GB " + text(121));
}

}  // namespace
}  // namespace quorvex::test
