#pragma once

#include "EventPump.h"
#include "FileLayer.h"
#include "FolderLayer.h"
#include "Prompts.h"
#include "RecoveryPrompts.h"
#include "SharedState.h"
#include "SpeedGauge.h"

namespace quorvex {

// Everything a recovery run reaches outside itself.
struct RecoveryServices {
    FileLayer& files;
    FolderLayer& folders;
    Prompts& messages;
    RecoveryPrompts& prompts;
    EventPump& events;
    SpeedGauge& speed;
    // The recovery control's texts in the current language.
    const TextTable& texts;
};

}  // namespace quorvex
