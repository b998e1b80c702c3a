#pragma once

#include "DriveTable.h"
#include "EventPump.h"
#include "FolderLayer.h"
#include "FolderNamePrompt.h"
#include "Languages.h"
#include "Prompts.h"

namespace quorvex {

// What the browser needs of the system; tests hand in their own.
struct BrowserServices {
    DriveTable& drives;
    FolderLayer& folders;
    Prompts& prompts;
    EventPump& events;
    FolderNamePrompt& folderNames;
    Languages& languages;
};

}  // namespace quorvex
