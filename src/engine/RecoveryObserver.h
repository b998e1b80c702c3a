#pragma once

#include <string>

#include "RecoveryFigures.h"

namespace quorvex {

// What a view of a recovery run is told while the run goes on.
class RecoveryObserver {
public:
    virtual ~RecoveryObserver() = default;

    // A history line is added, or replaces the last line when added is false.
    virtual void historyLine(const std::string& text, bool added) = 0;
    virtual void figuresChanged(const RecoveryFigures& figures) = 0;
};

}  // namespace quorvex
