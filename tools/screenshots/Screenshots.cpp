// Renders the program's windows offscreen to PNG files, one set per language, so that they can
// be looked at without a display: quorvex_screenshots OUTPUT_FOLDER
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <cmath>
#include <iostream>

#include "Languages.h"
#include "IniSettingsStore.h"
#include "PosixFileLayer.h"
#include "PosixSystemCalls.h"
#include "SpeedChart.h"
#include "Wizard.h"

namespace {

// A clock the renderer moves by hand, so that the chart shows a made-up transfer.
class SteppedClock final : public quorvex::MonotonicClock {
public:
    double seconds() const override { return now; }
    double now = 0.0;
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
        const double megabytesPerSecond = 14.0 + 6.0 * std::sin(percent / 9.0) - (percent > 60 ? 6 : 0);
        clock.now += 7.0 / megabytesPerSecond;
        chart.UpdateChart(total * percent / 100);
    }
    save(chart, folder + "/speed-chart.png");
}

}  // namespace

int main(int argc, char** argv) {
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
        store.writeString(quorvex::UserSettings::KeyPath, "lang", std::to_string(language));
        quorvex::Wizard wizard(state, languages, settings);
        wizard.load();
        wizard.show();
        save(wizard, folder + QString("/wizard-lang%1.png").arg(language));
    }
    return 0;
}
