#pragma once

#include <QGroupBox>
#include <QListWidget>
#include <QProgressBar>
#include <QSignalSpy>
#include <gtest/gtest.h>
#include <ostream>

#include "LanguageTableSource.h"
#include "ManualClock.h"
#include "PosixFileLayer.h"
#include "PosixFolderLayer.h"
#include "PosixSystemCalls.h"
#include "RecoveryProcess.h"
#include "ScriptedEventPump.h"
#include "ScriptedPrompts.h"
#include "ScriptedRecoveryPrompts.h"
#include "TemporaryFolder.h"

// Lets failure messages show texts as text.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace quorvex::test {

// The recovery control's texts in a language of the readable table: 0 English .. 3 Spanish.
inline TextTable recoveryTextsIn(int language) {
    TextTable texts{};
    for (const auto& [index, row] : readLanguageTable(QUORVEX_LANGUAGE_SOURCES "lang_re.tsv"))
        texts[static_cast<std::size_t>(index)] = row[static_cast<std::size_t>(language)];
    return texts;
}

// A shown recovery control in English over real source and destination folders, with the
// signals of its ends recorded. Its widgets are found by their names.
class RecoveryProcessRig : public ::testing::Test {
protected:
    RecoveryProcessRig() {
        shared.Lang_RPText = recoveryTextsIn(0);
        process.retranslate();
        process.resize(800, 560);
        process.show();
        process.state().SourcePath = source.path();
        process.state().DestinationPath = destination.path();
    }

    void addItem(const std::string& fileName) {
        process.job().append(JobItem{fileName});
        process.state().Items_Count = process.job().size();
    }
    template <typename Widget>
    QString shown(const char* name) {
        const auto* widget = process.findChild<Widget*>(name);
        return widget == nullptr ? "<no " + QString(name) + ">" : widget->text();
    }
    int bar(const char* name) { return process.findChild<QProgressBar*>(name)->value(); }
    QStringList lines() {
        QStringList all;
        const auto* list = process.findChild<QListWidget*>("List2");
        for (int row = 0; row < list->count(); ++row) all << list->item(row)->text();
        return all;
    }
    QString caption() { return process.findChild<QGroupBox*>("Frame1")->title(); }

    TemporaryFolder source;
    TemporaryFolder destination;
    PosixSystemCalls calls;
    PosixFileLayer files{calls};
    PosixFolderLayer folders{calls};
    ScriptedPrompts messages;
    ScriptedRecoveryPrompts answers;
    ScriptedEventPump pump;
    ManualClock clock;
    SharedState shared;
    RecoveryProcess process{{files, folders, messages, pump, clock}, shared, &answers};
    QSignalSpy done{&process, &RecoveryProcess::ProcessDone};
    QSignalSpy paused{&process, &RecoveryProcess::ProcessPaused};
    QSignalSpy aborted{&process, &RecoveryProcess::ProcessAborted};
};

}  // namespace quorvex::test
