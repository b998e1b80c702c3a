#include "WizardTour.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QThread>
#include <QTreeWidget>
#include <cmath>
#include <iostream>
#include <optional>

#include "BurnRelay.h"
#include "BurningPage.h"
#include "DesktopShell.h"
#include "DiscBurner.h"
#include "FilesAndFoldersList.h"
#include "IniSettingsStore.h"
#include "LinuxDriveTable.h"
#include "PathText.h"
#include "PosixFileLayer.h"
#include "PosixFolderLayer.h"
#include "PosixSystemCalls.h"
#include "QtSaveFileNames.h"
#include "RecoveryProcess.h"
#include "ReportHistory.h"
#include "ReportViewer.h"
#include "ReportsMethods.h"
#include "SysfsBlockDevices.h"
#include "Wizard.h"
#include "frmAbout.h"

namespace quorvex::screenshots {

namespace {

class TourClock final : public MonotonicClock {
  public:
    double seconds() const override { return now; }
    double now = 0.0;
};

// Message boxes answered with Ok, existing files skipped, a stop question answered "go on".
class TourPrompts final : public Prompts, public RecoveryPrompts, public FolderNamePrompt {
  public:
    PromptAnswer messageBox(PromptIcon, PromptButtons, const std::string&,
                            const std::string& text) override {
        std::cerr << "message: " << text << '\n';
        return PromptAnswer::Ok;
    }
    std::int16_t askAboutExistingFile(const std::string&) override { return 2; }
    std::int16_t askToAbort() override { return 0; }
    std::string askFolderName(const std::string&, const std::string&) override { return {}; }
};

// Runs the window's events (the slide's timer among them) and moves the run's clock on, so that
// the chart shows a changing speed; the first time a run has copied a while, it saves the
// window.
class TourPump final : public EventPump {
  public:
    explicit TourPump(TourClock& clock) : clock_(clock) {}
    void runPendingEvents() override {
        QApplication::processEvents();
        if (!duringRun || !duringRun->isCopyingProcess) return;
        clock_.now += 0.02 + 0.015 * std::sin(++pauses_ / 5.0);
        if (pauses_ == 80 && onRun) onRun();
    }

    const RecoveryState* duringRun = nullptr;
    std::function<void()> onRun;

  private:
    TourClock& clock_;
    int pauses_ = 0;
};

void writeFile(const QString& path, std::size_t size) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return;
    QByteArray bytes(static_cast<qsizetype>(size), '\0');
    for (qsizetype i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i * 7 % 251);
    file.write(bytes);
}

void fillSource(const QTemporaryDir& source) {
    QDir(source.path()).mkpath(QString::fromUtf8("Фотографии отпуска"));
    QDir(source.path()).mkpath("Documents");
    writeFile(source.filePath("notes.txt"), 3000);
    writeFile(source.filePath("Documents/thesis-final.odt"), 410'000);
    writeFile(source.filePath(QString::fromUtf8("Фотографии отпуска/IMG_0412.jpg")), 2'600'000);
    writeFile(source.filePath(QString::fromUtf8("Фотографии отпуска/IMG_0413.jpg")), 2'900'000);
}

template <typename Widget = QWidget>
Widget& named(Wizard& wizard, const char* name) {
    auto* found = wizard.findChild<Widget*>(name);
    if (found == nullptr) {
        std::cerr << "no control " << name << '\n';
        std::exit(2);
    }
    return *found;
}

void click(Wizard& wizard, const char* button) {
    named<QAbstractButton>(wizard, button).click();
}

DamageRecord hurtFile(const std::string& path, std::int64_t size, std::vector<ByteRange> lost) {
    DamageRecord file;
    file.source = path;
    file.File1Size = size;
    file.ranges = std::move(lost);
    for (const ByteRange& range : file.ranges) file.lostBytes += range.size();
    return file;
}

// The tour's first run stored again as if it had been paused with two files hurt and its last
// file not done, which the menu and the history page then offer to continue.
std::int64_t storePausedRun(WizardServices& services) {
    constexpr std::int64_t MiB = 1024 * 1024;
    ReportHistory history(services.historyPath);
    RunReport report = history.load(1);
    report.outcome = RunOutcome::Paused;
    report.damaged = {hurtFile(report.job.source + "holiday.mp4", 4096 * MiB,
                               {{1024 * MiB + 1, 1024 * MiB + 8192}, {3000 * MiB, 3200 * MiB}}),
                      hurtFile(report.job.source + "letters/2019.pdf", 3 * MiB,
                               {{1, 65536}, {2 * MiB, 2 * MiB + 131071}})};
    report.CorruptedFilesCount = 2;
    report.TotalLostBytes = 0;
    for (const DamageRecord& file : report.damaged) report.TotalLostBytes += file.lostBytes;
    if (!report.job.items.empty()) report.job.items.back().item.isDone = false;
    return history.append(report);
}

void saveReportViewer(WizardServices& services, QWidget& wizard, std::int64_t number,
                      const QString& path) {
    QtSaveFileNames names(&wizard);
    ReportViewer viewer(services.prompts, services.state.Lang_MainText, names, &wizard);
    viewer.setReportMtx(
        PathText::toDisplay(ReportsMethods::ViewerReference(services.historyPath, number)));
    if (!viewer.Show(0)) return;
    QApplication::processEvents();
    if (!viewer.grab().save(path)) std::cerr << "cannot write " << path.toStdString() << '\n';
}

}  // namespace

void renderWizardTour(const QString& folder, std::int16_t language) {
    const QTemporaryDir source;
    const QTemporaryDir destination;
    const QTemporaryDir data;
    fillSource(source);
    PosixSystemCalls calls;
    PosixFileLayer files(calls);
    PosixFolderLayer folders(calls);
    SysfsBlockDevices devices;
    LinuxDriveTable drives(devices);
    TourClock clock;
    TourPump pump(clock);
    TourPrompts prompts;
    IniSettingsStore store(data.filePath("quorvex.ini"));
    store.writeString(UserSettings::KeyPath, "lang", std::to_string(language));
    UserSettings settings(store);
    SharedState state;
    BurnRelay burnEvents;
    DiscBurner burner(burnEvents);
    Languages languages(files, settings, state, QUORVEX_BUILD_DATA_DIR);
    DesktopShell shell;
    WizardServices services{files,
                            folders,
                            drives,
                            prompts,
                            &prompts,
                            pump,
                            clock,
                            shell,
                            prompts,
                            languages,
                            settings,
                            state,
                            PathText::fromDisplay(data.filePath("reports.sir")),
                            burner,
                            burnEvents};
    Wizard wizard(services);
    wizard.load();
    wizard.show();
    const auto save = [&](const char* name) {
        QApplication::processEvents();
        const QString path = folder + QString("/%1-lang%2.png").arg(name).arg(language);
        if (!wizard.grab().save(path)) std::cerr << "cannot write " << path.toStdString() << '\n';
    };
    const auto chooseTask = [&](int row) {
        named<QListWidget>(wizard, "MainMenu").setCurrentRow(row);
        click(wizard, "Command11");
    };
    pump.duringRun = &named<RecoveryProcess>(wizard, "RecoveryProcess1").state();
    save("wizard-page0");
    for (int run = 0; run < 2; ++run) {
        chooseTask(0);
        auto& sourceBrowser = named<FilesAndFoldersList>(wizard, "FilesAndFoldersList1");
        sourceBrowser.setCurrentPath(PathText::fromDisplay(source.path()));
        sourceBrowser.FilesList()->selectAll();
        if (run == 0) save("wizard-page1");
        click(wizard, "Command11");
        named<FilesAndFoldersList>(wizard, "FilesAndFoldersList2")
            .setCurrentPath(PathText::fromDisplay(destination.path()));
        if (run == 0) save("wizard-page3");
        pump.onRun = [&] { save("wizard-page4"); };
        if (run == 1) pump.onRun = nullptr;
        click(wizard, "Command11");
        if (run == 0) save("wizard-page6");
        click(wizard, "Command10");
    }
    const std::int64_t paused = storePausedRun(services);
    chooseTask(3);
    click(wizard, "Command10");
    // Back on the menu, the paused run is offered first.
    save("wizard-page0-continue");
    chooseTask(4);
    auto& history = named<QTreeWidget>(wizard, "ReportsHistoryList");
    QTreeWidgetItem* last = history.topLevelItem(history.topLevelItemCount() - 1);
    history.setCurrentItem(last);
    emit history.itemClicked(last, 0);
    save("wizard-page7");
    click(wizard, "Command10");
    chooseTask(2);
    save("wizard-page2");
    named<QTabWidget>(wizard, "CDRipTabStrip").setCurrentIndex(1);
    save("wizard-page2-temp");
    click(wizard, "Command10");
    // The burning page, as the end of a burn task's copy shows it, writing to an image file.
    named<QListWidget>(wizard, "MainMenu").setCurrentRow(2);
    wizard.navigation().WizardTask = 6;
    wizard.navigation().PageStep = 5;
    wizard.ShowMediaState(5);
    wizard.MoveToFrame();
    wizard.SetStepCaptions();
    auto& burning = *wizard.findChild<BurningPage*>();
    burning.prepare("HOLIDAY");
    named<QLineEdit>(wizard, "ImageFile").setText(data.filePath("HOLIDAY.iso"));
    burner.InitializeMe(PathText::fromDisplay(source.path()), PathText::fromDisplay(source.path()));
    burning.showJob();
    wizard.SetNavButtons(true, burner.isBurnDriveReady(), true);
    // The medium is looked at off the window's thread.
    for (int wait = 0; wait < 500 && named<QLabel>(wizard, "MediumState").text().isEmpty(); ++wait) {
        QApplication::processEvents();
        QThread::msleep(10);
    }
    save("wizard-page5");
    frmAbout about(state, &wizard);
    about.show();
    QApplication::processEvents();
    about.grab().save(folder + QString("/about-lang%1.png").arg(language));
    saveReportViewer(services, wizard, paused,
                     folder + QString("/report-viewer-lang%1.png").arg(language));
}

}  // namespace quorvex::screenshots
