#pragma once

#include <string>

#include "RecoveryFigures.h"

namespace quorvex {

// What the terminal shows of a running rescue: the item being worked on, relative to the
// source root, and the engine's latest figures.
struct RunStatus {
    std::string currentItem;
    RecoveryFigures figures;
};

}  // namespace quorvex
