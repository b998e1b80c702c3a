#pragma once

#include <gtest/gtest.h>

#include <QTreeWidget>
#include <memory>

#include "CopyingPage.h"
#include "DamagedMediaFileLayer.h"
#include "DestinationPage.h"
#include "LanguageTableSource.h"
#include "ManualClock.h"
#include "MemorySettingsStore.h"
#include "MountPoints.h"
#include "PosixFolderLayer.h"
#include "PosixSystemCalls.h"
#include "RecordingFlow.h"
#include "BurnRelay.h"
#include "BurnSettingsPage.h"
#include "BurningPage.h"
#include "BurnWiring.h"
#include "RecoveryWiring.h"
#include "ReportPage.h"
#include "ScriptedBurner.h"
#include "ScriptedEventPump.h"
#include "ScriptedFolderNames.h"
#include "ScriptedPrompts.h"
#include "ScriptedRecoveryPrompts.h"
#include "Shell.h"
#include "SourcePage.h"
#include "TemporaryFolder.h"

namespace quorvex::test {

// Opens no web page and gives every file the empty icon.
class SilentShell final : public Shell {
  public:
    bool openWebAddress(const std::string&) override { return false; }
    QIcon smallFileIcon(const std::string&) override { return {}; }
};

// The copying, source, destination and report pages over a real temporary tree read through a
// damaged medium, with the shipped English texts, scripted prompts and a recording window.
// The tree's root is the one drive of the machine; the history lies beside it.
class PagesRig : public ::testing::Test {
  protected:
    PagesRig() {
        for (const auto& [index, row] :
             readLanguageTable(QUORVEX_LANGUAGE_SOURCES "qvx_light_131.tsv"))
            state.Lang_MainText[static_cast<std::size_t>(index)] = row[0];
        for (const auto& [index, row] : readLanguageTable(QUORVEX_LANGUAGE_SOURCES "lang_re.tsv"))
            state.Lang_RPText[static_cast<std::size_t>(index)] = row[0];
        state.CurrentLanguage = 1;
        drives.add(tree.path());
        flow.state.CurrentPage = 1;
        source.applyTexts(state);
        destination.applyTexts(state);
    }

    std::string root() const { return tree.path(); }
    // Writes the file, making its folders first.
    std::string put(const std::string& name, const std::string& bytes) const {
        std::filesystem::create_directories(std::filesystem::path(root() + name).parent_path());
        return tree.write(name, bytes);
    }
    // Shows the folder in the source browser and marks the named rows.
    void mark(const std::string& folder, const QStringList& names) {
        source.browser().setCurrentPath(folder);
        for (const QString& name : names) {
            const auto rows = source.browser().FilesList()->findItems(name, Qt::MatchExactly);
            ASSERT_EQ(rows.size(), 1) << name.toStdString();
            rows.front()->setSelected(true);
        }
    }
    // The source step, then the destination step into the folder.
    void rescueInto(const std::string& folder) {
        wiring.sourceStep();
        destination.browser().setCurrentPath(folder);
        wiring.destinationStep();
    }
    std::vector<std::string> jobNames() {
        std::vector<std::string> names;
        for (std::int32_t number = 1; number <= copying.process().job().size(); ++number)
            names.push_back(copying.process().job().item(number).FileName);
        return names;
    }
    std::vector<std::string> messages() const {
        std::vector<std::string> texts;
        for (const ShownMessage& shown : prompts.shown()) texts.push_back(shown.text);
        return texts;
    }

    TemporaryFolder tree;
    TemporaryFolder data;
    DamagedMediaFileLayer files;
    PosixSystemCalls calls;
    PosixFolderLayer folders{calls};
    MountPoints drives;
    ScriptedPrompts prompts;
    ScriptedRecoveryPrompts answers;
    ScriptedEventPump events;
    ManualClock clock;
    SilentShell shell;
    ScriptedFolderNames folderNames;
    MemorySettingsStore store;
    UserSettings settings{store};
    SharedState state;
    ScriptedBurner burner;
    BurnRelay burnEvents;
    Languages languages{files, settings, state, QUORVEX_BUILD_DATA_DIR};
    WizardServices services{files,
                            folders,
                            drives,
                            prompts,
                            &answers,
                            events,
                            clock,
                            shell,
                            folderNames,
                            languages,
                            settings,
                            state,
                            data.path() + "reports.sir",
                            burner,
                            burnEvents};
    RecordingFlow flow;
    SourcePage source{services};
    DestinationPage destination{services};
    CopyingPage copying{services};
    ReportPage report;
    RecoveryWiring wiring{flow, services, {source, destination, copying, report}};
    BurnSettingsPage burnSettings{services};
    BurningPage burningPage{burner, prompts, state};
    BurnWiring burning{flow, services, wiring,
                       {source, destination, burnSettings, copying, burningPage}};
};

}  // namespace quorvex::test
