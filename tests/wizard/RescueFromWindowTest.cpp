#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTreeWidget>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include "FilesAndFoldersList.h"
#include "RecoveryProcess.h"
#include "ReportHistory.h"
#include "RigMount.h"
#include "RigPattern.h"
#include "WizardRig.h"

namespace quorvex::test {
namespace {

// A damaged disc: two photos in folders, a file with an unreadable block, a file left unmarked.
constexpr const char* kDisc =
    "file photos/a.jpg 200K 1\n"
    "file photos/trip/b.jpg 100K 2\n"
    "file notes.bin 300K 3\n"
    "bad notes.bin 65536 8192\n"
    "directio notes.bin\n"
    "file other.txt 10K 4\n";

// The real window driven through its controls' names, as a user clicks through a rescue.
class RescueFromWindowTest : public WizardRig {
  protected:
    void SetUp() override {
        if (!RigMount::available()) GTEST_SKIP() << RigMount::unavailableReason();
    }

    void open(const char* browser, const QString& name) {
        QTreeWidgetItem* row = rowNamed(browser, name);
        ASSERT_NE(row, nullptr) << name.toStdString();
        auto* list = named(browser)->findChild<QTreeWidget*>();
        list->setCurrentItem(row);
        emit list->itemDoubleClicked(row, 0);
    }
    QString box(int number) {
        return named<QLineEdit>("ConfermReportValue_" + QString::number(number))->text();
    }
    static std::string fileBytes(const std::string& path) {
        std::ifstream input(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(input), {});
    }
    // Marks the items of the disc and runs them into the folder "rescued" from the menu on.
    void rescue(const std::string& disc, const QStringList& items) {
        rescue(disc, items, [this] { open("FilesAndFoldersList2", "rescued"); });
    }
    void rescue(const std::string& disc, const QStringList& items,
                const std::function<void()>& chooseDestination) {
        button("Command11").click();
        ASSERT_EQ(shownPages(), std::vector<int>{1});
        pickDrive("DrivesList1", disc);
        mark("FilesAndFoldersList1", items);
        button("Command11").click();
        ASSERT_EQ(shownPages(), std::vector<int>{3});
        chooseDestination();
        button("Command11").click();
    }
    // The history page's stored run continued: the list row clicked, then RefreshRecovery.
    void continueFromHistoryPage(int menuRow) {
        named<QListWidget>("MainMenu")->setCurrentRow(menuRow);
        button("Command11").click();
        ASSERT_EQ(shownPages(), std::vector<int>{7});
        auto* list = named<QTreeWidget>("ReportsHistoryList");
        ASSERT_EQ(list->topLevelItemCount(), 1);
        list->setCurrentItem(list->topLevelItem(0));
        emit list->itemClicked(list->topLevelItem(0), 0);
        ASSERT_TRUE(button("RefreshRecovery").isEnabled());
        button("RefreshRecovery").click();
    }
};

TEST_F(RescueFromWindowTest, RescuesMarkedFilesAndFoldersOffADamagedDiscToTheReport) {
    RigMount disc(kDisc);
    drives.add(disc.path(), DriveType::Removable, "DISC");
    const std::string destination = folder.path() + "rescued/";
    std::filesystem::create_directory(destination);
    std::filesystem::create_directory(destination + "photos");
    folder.write("rescued/photos/a.jpg", "an earlier copy");
    recoveryPrompts.answerExistingFile(1);
    Wizard& window = WizardRig::open();
    // Stop is pressed once while the copy runs; the stop question is answered "go on".
    auto* process = named<RecoveryProcess>("RecoveryProcess1");
    QString stopCaption;
    pump.onPause = [&] {
        if (!stopCaption.isEmpty() || !process->state().isCopyingProcess) return;
        stopCaption = button("Command12").text();
        button("Command12").click();
    };

    button("Command11").click();
    ASSERT_EQ(shownPages(), std::vector<int>{1});
    pickDrive("DrivesList1", disc.path());
    mark("FilesAndFoldersList1", {"photos", "notes.bin"});
    button("Command11").click();
    ASSERT_EQ(shownPages(), std::vector<int>{3});
    open("FilesAndFoldersList2", "rescued");
    button("Command11").click();

    EXPECT_EQ(stopCaption.trimmed().toStdString(), mainText(35));
    EXPECT_EQ(shownPages(), std::vector<int>{6});
    EXPECT_EQ(window.navigation().CurrentPage, 6);
    EXPECT_EQ(recoveryPrompts.askedAbout(), std::vector<std::string>{destination + "photos/a.jpg"});
    EXPECT_TRUE(fileBytes(destination + "photos/a.jpg") == RigPattern::bytes(1, 0, 200 * 1024));
    EXPECT_TRUE(fileBytes(destination + "photos/trip/b.jpg") ==
                RigPattern::bytes(2, 0, 100 * 1024));
    std::string notes = RigPattern::bytes(3, 0, 300 * 1024);
    notes.replace(65536, 8192, std::string(8192, '\0'));
    EXPECT_TRUE(fileBytes(destination + "notes.bin") == notes);
    EXPECT_FALSE(std::filesystem::exists(destination + "other.txt"));

    const QString files = " " + QString::fromStdString(mainText(57));
    EXPECT_EQ(box(0), "5" + files);
    EXPECT_EQ(box(1), "1" + files);
    EXPECT_EQ(box(10), "0" + files);
    EXPECT_EQ(box(5).toStdString(), "8 Kb");
    EXPECT_EQ(box(2).toStdString(), mainText(137));
    const auto* damaged = named<QListWidget>("Page3_Info");
    ASSERT_EQ(damaged->count(), 1);
    EXPECT_TRUE(
        damaged->item(0)->text().startsWith(QString::fromStdString(disc.path() + "notes.bin")));
    EXPECT_TRUE(damaged->item(0)->text().contains("65537-73728"));

    const RunReport stored = ReportHistory(historyPath()).load(1);
    EXPECT_EQ(stored.outcome, RunOutcome::Completed);
    EXPECT_EQ(stored.job.destination, destination);
    ASSERT_EQ(stored.damaged.size(), 1u);
    EXPECT_EQ(stored.damaged[0].source, disc.path() + "notes.bin");
    EXPECT_EQ(stored.damaged[0].ranges, (std::vector<ByteRange>{{65537, 73728}}));
}

// Paused in the middle of a damaged file, the program closed and started again: the run goes on
// from the history page where the file stopped, and the report counts each lost byte once.
TEST_F(RescueFromWindowTest, APausedRescueContinuesAfterARestartWhereItsFileStopped) {
    RigMount disc(
        "file big.bin 2M 5\n"
        "bad big.bin 65536 8192\n"
        "bad big.bin 1572864 8192\n"
        "directio big.bin\n");
    drives.add(disc.path(), DriveType::Removable, "DISC");
    const std::string destination = folder.path() + "rescued/";
    std::filesystem::create_directory(destination);
    WizardRig::open();
    auto* process = named<RecoveryProcess>("RecoveryProcess1");
    std::int64_t pausedAt = 0;
    pump.onPause = [&] {
        const std::int64_t reached = process->engine().fileCopiedBytes();
        if (pausedAt != 0 || reached < 600 * 1024) return;
        pausedAt = reached;
        recoveryPrompts.answerAbort(AbortAnswer::Pause);
        button("Command12").click();
    };
    rescue(disc.path(), {"big.bin"});
    ASSERT_EQ(shownPages(), std::vector<int>{6});
    EXPECT_EQ(box(2).toStdString(), mainText(129));
    EXPECT_TRUE(button("ReportDetails").isEnabled()) << "the paused run can be continued";
    const std::string partial = fileBytes(destination + "big.bin");
    ASSERT_GE(static_cast<std::int64_t>(partial.size()), 600 * 1024);
    ASSERT_LT(partial.size(), 2u << 20);

    wizard.reset();
    pump.onPause = nullptr;
    const std::uint64_t servedBefore = disc.counters("big.bin").bytes;
    WizardRig::open();
    ASSERT_EQ(named<QListWidget>("MainMenu")->count(), 5) << "the continue entry is offered";
    EXPECT_EQ(named<QListWidget>("MainMenu")->currentRow(), 0);
    continueFromHistoryPage(4);

    ASSERT_EQ(shownPages(), std::vector<int>{6});
    std::string expected = RigPattern::bytes(5, 0, 2 << 20);
    expected.replace(65536, 8192, std::string(8192, '\0'));
    expected.replace(1572864, 8192, std::string(8192, '\0'));
    EXPECT_TRUE(fileBytes(destination + "big.bin") == expected);
    EXPECT_LE(disc.counters("big.bin").bytes - servedBefore, (2u << 20) - partial.size())
        << "the continued run reads nothing it had copied";
    EXPECT_EQ(box(2).toStdString(), mainText(137));
    EXPECT_EQ(box(1), "1 " + QString::fromStdString(mainText(57)));
    EXPECT_EQ(box(5).toStdString(), "16 Kb") << "the lost bytes of both runs, each once";
    EXPECT_FALSE(button("ReportDetails").isEnabled());
    const std::vector<HistoryRow> rows = ReportHistory(historyPath()).rows();
    ASSERT_EQ(rows.size(), 1u) << "the continued run goes on in its record";
    EXPECT_EQ(rows[0].continuable, 0);
    const RunReport stored = ReportHistory(historyPath()).load(rows[0].number);
    EXPECT_EQ(stored.outcome, RunOutcome::Completed);
    ASSERT_EQ(stored.damaged.size(), 1u);
    EXPECT_EQ(stored.damaged[0].ranges,
              (std::vector<ByteRange>{{65537, 73728}, {1572865, 1581056}}));
    EXPECT_EQ(stored.TotalLostBytes, 16384);
    EXPECT_EQ(named<QListWidget>("MainMenu")->count(), 5) << "until the menu shows again";
    button("Command10").click();
    EXPECT_EQ(named<QListWidget>("MainMenu")->count(), 4);
}

// The rescue of the next test, in a child process of this program that its parent kills: the
// disc and the folder of the rescue and its history come in the environment.
TEST_F(RescueFromWindowTest, DISABLED_RescueUntilKilled) {
    const char* disc = std::getenv("QUORVEX_TEST_DISC");
    const char* home = std::getenv("QUORVEX_TEST_HOME");
    ASSERT_TRUE(disc != nullptr && home != nullptr);
    services.historyPath = std::string(home) + "reports.sir";
    drives.add(disc, DriveType::Removable, "DISC");
    WizardRig::open();
    pump.onPause = [this] { clock.advance(1.0); };
    rescue(disc, {"big.bin"}, [&] {
        named<FilesAndFoldersList>("FilesAndFoldersList2")->setCurrentPath(std::string(home) +
                                                                          "rescued/");
    });
    FAIL() << "the rescue ended before it was killed";
}

// A rescue killed at any moment, as by a power cut, leaves a run the history page continues.
TEST_F(RescueFromWindowTest, AKilledRescueLeavesARunThatContinues) {
    RigMount disc(
        "file big.bin 3M 6\n"
        "bad big.bin 65536 8192\n"
        "slow big.bin 60000\n"
        "directio big.bin\n");
    drives.add(disc.path(), DriveType::Removable, "DISC");
    const std::string destination = folder.path() + "rescued/";
    std::filesystem::create_directory(destination);
    const std::string program = std::filesystem::read_symlink("/proc/self/exe");
    std::vector<std::string> words{program, "--gtest_also_run_disabled_tests",
                                   "--gtest_filter=RescueFromWindowTest.DISABLED_RescueUntilKilled"};
    std::vector<std::string> environment{"QT_QPA_PLATFORM=offscreen",
                                         "QUORVEX_TEST_DISC=" + disc.path(),
                                         "QUORVEX_TEST_HOME=" + folder.path()};
    const auto pointers = [](std::vector<std::string>& texts) {
        std::vector<char*> list;
        for (std::string& text : texts) list.push_back(text.data());
        list.push_back(nullptr);
        return list;
    };
    std::vector<char*> argv = pointers(words);
    std::vector<char*> envp = pointers(environment);
    pid_t child = -1;
    ASSERT_EQ(posix_spawn(&child, program.c_str(), nullptr, nullptr, argv.data(), envp.data()), 0);
    // Killed once the record holds an offset inside the file, as a checkpoint leaves it.
    std::int64_t storedOffset = 0;
    for (int wait = 0; wait < 600 && storedOffset == 0; ++wait) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        try {
            for (const HistoryRow& row : ReportHistory(historyPath()).rows())
                storedOffset = ReportHistory(historyPath()).load(row.number).job.items.at(0)
                                   .item.StartPosition;
        } catch (const std::exception&) {
        }
    }
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_GT(storedOffset, 0) << "no offset reached the history before the kill";
    ASSERT_TRUE(WIFSIGNALED(status)) << "the child ended by itself";

    WizardRig::open();
    ASSERT_EQ(named<QListWidget>("MainMenu")->count(), 5) << "the continue entry is offered";
    button("Command11").click();
    ASSERT_EQ(shownPages(), std::vector<int>{6});
    std::string expected = RigPattern::bytes(6, 0, 3 << 20);
    expected.replace(65536, 8192, std::string(8192, '\0'));
    EXPECT_TRUE(fileBytes(destination + "big.bin") == expected);
    EXPECT_EQ(box(5).toStdString(), "8 Kb");
    EXPECT_EQ(ReportHistory(historyPath()).rows().at(0).continuable, 0);
}

}  // namespace
}  // namespace quorvex::test
