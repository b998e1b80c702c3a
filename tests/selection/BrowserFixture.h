#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QTreeWidget>
#include <filesystem>
#include <memory>

#include "FilesAndFoldersList.h"
#include "MemorySettingsStore.h"
#include "MountPoints.h"
#include "PosixFileLayer.h"
#include "PosixFolderLayer.h"
#include "PosixSystemCalls.h"
#include "ScriptedEventPump.h"
#include "ScriptedFolderNames.h"
#include "ScriptedPrompts.h"
#include "Shell.h"
#include "TemporaryFolder.h"

namespace quorvex::test {

// Opens no web page and gives every file the empty icon.
class BlankShell final : public Shell {
public:
    bool openWebAddress(const std::string&) override { return false; }
    QIcon smallFileIcon(const std::string&) override { return {}; }
};

// A browser over a real temporary tree, the shipped English texts and doubles for the rest.
// The temporary folder is a mount point of the test's mount table.
class BrowserFixture : public ::testing::Test {
protected:
    void SetUp() override {
        drives.add(folder.path());
        browser = std::make_unique<FilesAndFoldersList>(
            BrowserServices{drives, folders, prompts, events, folderNames, languages}, shell);
        browser->LoadLang(1);
        browser->setAllowMultySelect(true);
    }

    std::string root() const { return folder.path(); }
    void make(const std::string& name) const { std::filesystem::create_directories(root() + name); }
    // Writes the file, making its folders first.
    void put(const std::string& name, const std::string& bytes) const {
        std::filesystem::create_directories(std::filesystem::path(root() + name).parent_path());
        folder.write(name, bytes);
    }
    std::string text(int index) const { return browser->Lang_FFText()[index]; }
    QStringList rowTexts() const {
        QStringList texts;
        for (int row = 0; row < browser->FilesList()->topLevelItemCount(); ++row)
            texts << browser->FilesList()->topLevelItem(row)->text(0);
        return texts;
    }
    QTreeWidgetItem* row(const QString& name) const {
        const auto found = browser->FilesList()->findItems(name, Qt::MatchExactly);
        return found.isEmpty() ? nullptr : found.front();
    }
    void open(const QString& name) const {
        QTreeWidgetItem* item = row(name);
        ASSERT_NE(item, nullptr) << name.toStdString();
        browser->FilesList()->setCurrentItem(item);
        emit browser->FilesList()->itemDoubleClicked(item, 0);
    }
    void press(int button) const { browser->navigationButton(button)->trigger(); }

    TemporaryFolder folder;
    MountPoints drives;
    PosixSystemCalls calls;
    PosixFolderLayer folders{calls};
    PosixFileLayer files{calls};
    ScriptedPrompts prompts;
    ScriptedEventPump events;
    ScriptedFolderNames folderNames;
    MemorySettingsStore store;
    UserSettings settings{store};
    SharedState state;
    Languages languages{files, settings, state, QUORVEX_BUILD_DATA_DIR};
    BlankShell shell;
    std::unique_ptr<FilesAndFoldersList> browser;
};

}  // namespace quorvex::test
