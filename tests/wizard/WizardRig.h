#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QTreeWidget>
#include <QKeyEvent>
#include <functional>
#include <memory>
#include <vector>

#include "DiscBurner.h"
#include "LanguageTableSource.h"
#include "ManualClock.h"
#include "MemorySettingsStore.h"
#include "MountPoints.h"
#include "PosixFileLayer.h"
#include "PosixFolderLayer.h"
#include "PosixSystemCalls.h"
#include "ScriptedFolderNames.h"
#include "RecordingShell.h"
#include "ScriptedBurner.h"
#include "ScriptedPrompts.h"
#include "ScriptedRecoveryPrompts.h"
#include "TemporaryFolder.h"
#include "Wizard.h"

namespace quorvex::test {

// Every event pause moves a running slide on by one tick, so a page move ends without waiting
// for the timer; a test may also watch each pause.
class SlideTickingPump final : public EventPump {
  public:
    void runPendingEvents() override {
        if (wizard != nullptr && wizard->sliding()) wizard->Timer1Tick();
        if (onPause) onPause();
    }

    Wizard* wizard = nullptr;
    std::function<void()> onPause;
};

// The real main window over doubles of the system, in the shipped texts; its history file lies
// in a temporary folder, which is also the one drive of the machine.
class WizardRig : public ::testing::Test {
  protected:
    WizardRig() { drives.add(folder.path()); }
    // With the real burner, which writes image files, instead of the scripted one.
    explicit WizardRig(bool realBurner)
        : discBurner(realBurner ? std::make_unique<DiscBurner>(burnEvents) : nullptr) {
        drives.add(folder.path());
    }

    // Runs the window's load handler in the stored language and shows it.
    Wizard& open(const std::string& storedLanguage = "1") {
        store.values["Software\\Quorvex/lang"] = storedLanguage;
        wizard = std::make_unique<Wizard>(services);
        pump.wizard = wizard.get();
        wizard->load();
        wizard->show();
        return *wizard;
    }

    template <typename Widget = QWidget>
    Widget* named(const QString& name) const {
        return wizard->findChild<Widget*>(name);
    }
    QAbstractButton& button(const char* name) const { return *named<QAbstractButton>(name); }
    void press(int key) const {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(wizard.get(), &event);
    }
    // The drive of a drive list chosen as a user picks it.
    void pickDrive(const char* list, const std::string& mountPoint) {
        auto* drives = named(list)->findChild<QComboBox*>("DrivesFullList");
        QString shown = QString::fromStdString(mountPoint);
        shown.chop(1);
        const int row = drives->findText(shown + " ", Qt::MatchStartsWith);
        ASSERT_GE(row, 0) << mountPoint;
        drives->setCurrentIndex(row);
        emit drives->activated(row);
    }
    QTreeWidgetItem* rowNamed(const char* browser, const QString& name) {
        const auto rows =
            named(browser)->findChild<QTreeWidget*>()->findItems(name, Qt::MatchExactly);
        return rows.size() == 1 ? rows.front() : nullptr;
    }
    void mark(const char* browser, const QStringList& names) {
        for (const QString& name : names) {
            QTreeWidgetItem* row = rowNamed(browser, name);
            ASSERT_NE(row, nullptr) << name.toStdString();
            row->setSelected(true);
        }
    }
    // The text of the main table in a language of the readable table, 1 English .. 4 Spanish.
    static std::string mainText(int index, int language = 1) {
        static const auto rows = readLanguageTable(QUORVEX_LANGUAGE_SOURCES "qvx_light_131.tsv");
        return rows.at(index)[static_cast<std::size_t>(language - 1)];
    }
    // The pages shown, by number.
    std::vector<int> shownPages() const {
        std::vector<int> shown;
        for (int page = 0; page < 8; ++page)
            if (named(QString("mainframe_%1").arg(page))->isVisible()) shown.push_back(page);
        return shown;
    }
    std::string historyPath() const { return folder.path() + "reports.sir"; }
    BurnDesk& burnDesk() { return discBurner ? static_cast<BurnDesk&>(*discBurner) : burner; }

    TemporaryFolder folder;
    MountPoints drives;
    PosixSystemCalls calls;
    PosixFileLayer files{calls};
    PosixFolderLayer folders{calls};
    ScriptedPrompts prompts;
    ScriptedRecoveryPrompts recoveryPrompts;
    SlideTickingPump pump;
    ManualClock clock;
    RecordingShell shell;
    ScriptedFolderNames folderNames;
    MemorySettingsStore store;
    UserSettings settings{store};
    SharedState state;
    ScriptedBurner burner;
    BurnRelay burnEvents;
    std::unique_ptr<DiscBurner> discBurner;
    Languages languages{files, settings, state, QUORVEX_BUILD_DATA_DIR};
    WizardServices services{files,    folders, drives,       prompts,     &recoveryPrompts,
                            pump,     clock,   shell,        folderNames, languages,
                            settings, state,   historyPath(), burnDesk(),  burnEvents};
    std::unique_ptr<Wizard> wizard;
};

}  // namespace quorvex::test
