#pragma once

#include <string>

#include "SharedState.h"

namespace quorvex {

// Loads the English recovery texts from the data folder installed beside the executable.
class RecoveryLanguage {
  public:
    // A missing file leaves the texts empty; an unreadable one too, with a note in `problem`.
    static TextTable load(std::string& problem);
    // applicationDir/../share/quorvex/ as the graphical program finds it, with a trailing "/".
    static std::string installedDataFolder();
};

}  // namespace quorvex
