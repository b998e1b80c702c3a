#include <QApplication>
#include <QDir>
#include <QStandardPaths>

#include "BurnRelay.h"

#include "DesktopShell.h"
#include "DiscBurner.h"
#include "IniSettingsStore.h"
#include "Languages.h"
#include "LinuxDriveTable.h"
#include "Main.h"
#include "PathText.h"
#include "PosixFileLayer.h"
#include "PosixFolderLayer.h"
#include "PosixSystemCalls.h"
#include "ProgramConfig.h"
#include "ProgramPictures.h"
#include "QtEventPump.h"
#include "QtFolderNamePrompt.h"
#include "QtPrompts.h"
#include "ResponsiveFileLayer.h"
#include "SharedState.h"
#include "StandardDescriptors.h"
#include "SteadyClock.h"
#include "SysfsBlockDevices.h"
#include "UserSettings.h"
#include "WizardHost.h"

namespace {

std::string installedDataFolder() {
    const QString folder = QDir(QCoreApplication::applicationDirPath())
                               .absoluteFilePath(quorvex::ProgramConfig::DataFolderFromExecutable);
    return quorvex::PathText::fromDisplay(QDir::cleanPath(folder)) + "/";
}

// The report history lives in the user's data folder, which plays the part of a program folder
// the user could write.
std::string historyPath() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return quorvex::PathText::fromDisplay(folder) + "/reports.sir";
}

}  // namespace

int main(int argc, char** argv) {
    quorvex::StandardDescriptors::ensureOpen();
    QApplication application(argc, argv);
    QApplication::setApplicationName(quorvex::ProgramConfig::Title);
    QApplication::setDesktopFileName("quorvex");
    QApplication::setWindowIcon(
        QIcon::fromTheme("quorvex", quorvex::ProgramPictures::programIcon()));

    quorvex::PosixSystemCalls systemCalls;
    quorvex::PosixFileLayer files(systemCalls);
    quorvex::PosixFolderLayer folders(systemCalls);
    quorvex::SysfsBlockDevices blockDevices;
    quorvex::LinuxDriveTable drives(blockDevices);
    quorvex::QtEventPump events;
    quorvex::ResponsiveFileLayer runFiles(files, events);
    quorvex::SteadyClock clock;
    quorvex::DesktopShell shell;
    quorvex::QtFolderNamePrompt folderNames;
    quorvex::IniSettingsStore settingsStore;
    quorvex::UserSettings settings(settingsStore);
    quorvex::QtPrompts prompts;
    quorvex::SharedState state;
    quorvex::Languages languages(files, settings, state, installedDataFolder());
    quorvex::BurnRelay burnEvents;
    quorvex::DiscBurner burner(burnEvents);
    quorvex::WizardServices services{runFiles, folders,  drives,        prompts,     nullptr,
                                     events,   clock,    shell,         folderNames, languages,
                                     settings, state,    historyPath(), burner,      burnEvents};
    quorvex::WizardHost window([&] { return std::make_unique<quorvex::Wizard>(services); });

    if (!quorvex::Main(state, files, prompts, window).run()) return 1;
    return QApplication::exec();
}
