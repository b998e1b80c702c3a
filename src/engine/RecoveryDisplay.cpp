#include "RecoveryDisplay.h"

namespace quorvex {

void RecoveryDisplay::AddHRec(const std::string& text, bool toAdd) {
    frameCaption_ = text;
    if (toAdd || history_.empty()) {
        if (history_.size() >= 2 * KeptLines)
            history_.erase(history_.begin(), history_.end() - KeptLines);
        history_.push_back(text);
    } else
        history_.back() = text;
    if (observer_ != nullptr) observer_->historyLine(text, toAdd);
}

void RecoveryDisplay::figuresChanged() {
    if (observer_ != nullptr) observer_->figuresChanged(figures_);
}

}  // namespace quorvex
