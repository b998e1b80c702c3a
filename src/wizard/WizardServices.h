#pragma once

#include <string>

#include "BurnDesk.h"
#include "BurnRelay.h"

#include "DriveTable.h"
#include "EventPump.h"
#include "FileLayer.h"
#include "FolderLayer.h"
#include "FolderNamePrompt.h"
#include "Languages.h"
#include "MonotonicClock.h"
#include "Prompts.h"
#include "RecoveryPrompts.h"
#include "SharedState.h"
#include "Shell.h"
#include "UserSettings.h"

namespace quorvex {

// Everything the main window and its pages reach outside themselves. The program builds it from
// the real system in main.cpp; tests build it from doubles.
struct WizardServices {
    // The file layer a run copies through (keeps the window responsive during slow reads).
    FileLayer& files;
    FolderLayer& folders;
    DriveTable& drives;
    Prompts& prompts;
    // The overwrite and stop questions of a run; null for the recovery control's own dialogs.
    RecoveryPrompts* recoveryPrompts;
    EventPump& events;
    const MonotonicClock& clock;
    Shell& shell;
    FolderNamePrompt& folderNames;
    Languages& languages;
    UserSettings& settings;
    SharedState& state;
    // The report history file: the user's data folder + "/reports.sir" in the real program.
    std::string historyPath;
    // The burner of the burn tasks, and the relay that brings its notifications to the window.
    BurnDesk& burner;
    BurnRelay& burnEvents;
};

}  // namespace quorvex
