#include <QApplication>
#include <QDir>

#include "IniSettingsStore.h"
#include "Languages.h"
#include "Main.h"
#include "PathText.h"
#include "PosixFileLayer.h"
#include "PosixSystemCalls.h"
#include "ProgramConfig.h"
#include "QtPrompts.h"
#include "SharedState.h"
#include "StandardDescriptors.h"
#include "UserSettings.h"
#include "WizardHost.h"

namespace {

std::string installedDataFolder() {
    const QString folder = QDir(QCoreApplication::applicationDirPath())
                               .absoluteFilePath(quorvex::ProgramConfig::DataFolderFromExecutable);
    return quorvex::PathText::fromDisplay(QDir::cleanPath(folder)) + "/";
}

}  // namespace

int main(int argc, char** argv) {
    quorvex::StandardDescriptors::ensureOpen();
    QApplication application(argc, argv);
    QApplication::setApplicationName(quorvex::ProgramConfig::Title);
    QApplication::setDesktopFileName("quorvex");
    QApplication::setWindowIcon(QIcon::fromTheme("quorvex"));

    quorvex::PosixSystemCalls systemCalls;
    quorvex::PosixFileLayer files(systemCalls);
    quorvex::IniSettingsStore settingsStore;
    quorvex::UserSettings settings(settingsStore);
    quorvex::QtPrompts prompts;
    quorvex::SharedState state;
    quorvex::Languages languages(files, settings, state, installedDataFolder());
    quorvex::WizardHost window(
        [&] { return std::make_unique<quorvex::Wizard>(state, languages, settings); });

    if (!quorvex::Main(state, files, prompts, window).run()) return 1;
    return QApplication::exec();
}
