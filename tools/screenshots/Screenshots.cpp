// Renders the program's windows offscreen to PNG files, one set per language, so that they can
// be looked at without a display: quorvex_screenshots OUTPUT_FOLDER
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cmath>
#include <functional>
#include <iostream>

#include "IfFileExist.h"
#include "IniSettingsStore.h"
#include "Languages.h"
#include "PathText.h"
#include "PosixFileLayer.h"
#include "PosixFolderLayer.h"
#include "PosixSystemCalls.h"
#include "RecoveryProcess.h"
#include "ResponsiveFileLayer.h"
#include "SpeedChart.h"
#include "WizardTour.h"
#include "toAbortProcess.h"

namespace {

// A clock the renderer moves by hand, so that the chart shows a made-up transfer.
class SteppedClock final : public quorvex::MonotonicClock {
  public:
    double seconds() const override { return now; }
    double now = 0.0;
};

// Message boxes and questions of a run answered without a window: Ok, skip, go on.
class QuietPrompts final : public quorvex::Prompts, public quorvex::RecoveryPrompts {
  public:
    quorvex::PromptAnswer messageBox(quorvex::PromptIcon, quorvex::PromptButtons,
                                     const std::string&, const std::string&) override {
        return quorvex::PromptAnswer::Ok;
    }
    std::int16_t askAboutExistingFile(const std::string&) override { return 2; }
    std::int16_t askToAbort() override { return 0; }
};

// Moves the clock on by a varying step at each pause, so the chart shows a changing speed, and
// runs the action scheduled for a pause.
class SteppingPump final : public quorvex::EventPump {
  public:
    explicit SteppingPump(SteppedClock& clock) : clock_(clock) {}
    void runPendingEvents() override {
        ++pauses_;
        clock_.now += 0.02 + 0.015 * std::sin(pauses_ / 5.0);
        if (pauses_ == actAt && action) action();
    }

    int actAt = 0;
    std::function<void()> action;

  private:
    SteppedClock& clock_;
    int pauses_ = 0;
};

void save(QWidget& widget, const QString& path) {
    if (!widget.grab().save(path)) std::cerr << "cannot write " << path.toStdString() << '\n';
}

void renderSpeedChart(const QString& folder) {
    SteppedClock clock;
    quorvex::SpeedChart chart(clock);
    chart.resize(360, 150);
    const std::int64_t total = 700LL << 20;
    chart.ReStart(total);
    for (int percent = 1; percent <= 100; ++percent) {
        const double megabytesPerSecond =
            14.0 + 6.0 * std::sin(percent / 9.0) - (percent > 60 ? 6 : 0);
        clock.now += 7.0 / megabytesPerSecond;
        chart.UpdateChart(total * percent / 100);
    }
    save(chart, folder + "/speed-chart.png");
}

std::string bytes(std::size_t size) {
    std::string content(size, '\0');
    for (std::size_t i = 0; i < size; ++i) content[i] = static_cast<char>(i * 7 % 251);
    return content;
}

void writeFile(const QString& path, std::size_t size) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(QByteArray::fromStdString(bytes(size)));
}

// A small real run over a temporary folder: shot once while the last file is copied, once at
// the end.
void renderRecoveryProcess(quorvex::SharedState& state, const QString& folder, int language) {
    const QTemporaryDir source;
    const QTemporaryDir destination;
    QDir(source.path()).mkpath(QString::fromUtf8("Фотографии отпуска"));
    writeFile(source.filePath("notes.txt"), 3000);
    writeFile(source.filePath(QString::fromUtf8("Фотографии отпуска/IMG_0412.jpg")), 2'600'000);
    quorvex::PosixSystemCalls calls;
    quorvex::PosixFileLayer files(calls);
    quorvex::PosixFolderLayer folders(calls);
    QuietPrompts prompts;
    SteppedClock clock;
    SteppingPump pump(clock);
    quorvex::ResponsiveFileLayer responsive(files, pump);
    quorvex::RecoveryProcess process({responsive, folders, prompts, pump, clock}, state, &prompts);
    process.resize(640, 440);
    process.show();
    const auto path = [](const QTemporaryDir& dir, const char* name) {
        return quorvex::PathText::fromDisplay(dir.filePath(QString::fromUtf8(name)));
    };
    process.state().SourcePath = path(source, "");
    process.state().DestinationPath = path(destination, "");
    process.job().append({"\t" + path(source, "Фотографии отпуска")});
    process.job().append({path(source, "notes.txt")});
    process.job().append({path(source, "Фотографии отпуска/IMG_0412.jpg")});
    process.state().Items_Count = process.job().size();
    pump.actAt = 100;
    pump.action = [&] {
        save(process, folder + QString("/recovery-running-lang%1.png").arg(language));
    };
    process.StartProcess();
    save(process, folder + QString("/recovery-done-lang%1.png").arg(language));
}

void renderPrompts(const quorvex::SharedState& state, const QString& folder, int language) {
    quorvex::IfFileExist existing(
        state.Lang_RPText, "/media/backup/Фотографии отпуска/IMG_0412 (copy from camera).jpg");
    existing.show();
    save(existing, folder + QString("/if-file-exist-lang%1.png").arg(language));
    quorvex::toAbortProcess stop(state.Lang_RPText);
    stop.show();
    save(stop, folder + QString("/to-abort-process-lang%1.png").arg(language));
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const QString folder = argc > 1 ? argv[1] : "screenshots";
    QDir().mkpath(folder);
    renderSpeedChart(folder);

    quorvex::PosixSystemCalls calls;
    quorvex::PosixFileLayer files(calls);
    const QTemporaryDir settingsFolder;  // never the user's own settings
    quorvex::IniSettingsStore store(settingsFolder.filePath("quorvex.ini"));
    quorvex::UserSettings settings(store);
    quorvex::SharedState state;
    quorvex::Languages languages(files, settings, state, QUORVEX_BUILD_DATA_DIR);
    for (std::int16_t language = 1; language <= 4; ++language) {
        quorvex::screenshots::renderWizardTour(folder, language);
        languages.LoadLanguageFile(quorvex::Languages::RecoveryFile, language, state.Lang_RPText,
                                   0);
        renderRecoveryProcess(state, folder, language);
        renderPrompts(state, folder, language);
    }
    return 0;
}
