#pragma once

#include <cstdint>
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
    // Whether the figures are shown at all; an observer that never shows them spares the
    // engine making their texts for every file.
    virtual bool showsFigures() const { return true; }
    // Whether the history lines are shown; an observer that never shows them is told of each
    // line with an empty text, and the engine spares making three of them for every file.
    virtual bool showsHistory() const { return true; }
    // A file item (1-based number in the run's job list) is about to be copied, before its
    // destination is touched; and its outcome is settled in the job list.
    virtual void itemStarted(std::int32_t /*number*/) {}
    virtual void itemEnded(std::int32_t /*number*/) {}
    // A remark about the item that its outcome alone does not tell: why it was not copied, or
    // that its source changed during the copy. The text is in the run's language.
    virtual void itemNote(std::int32_t /*number*/, const std::string& /*text*/) {}
};

}  // namespace quorvex
