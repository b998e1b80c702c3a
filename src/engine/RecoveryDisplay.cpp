#include "RecoveryDisplay.h"

#include <utility>

namespace quorvex {

void RecoveryDisplay::AddHRec(std::string text, bool toAdd) {
    if (toAdd || history_.empty()) {
        if (history_.size() >= 2 * KeptLines)
            history_.erase(history_.begin(), history_.end() - KeptLines);
        history_.push_back(std::move(text));
    } else
        history_.back() = std::move(text);
    if (observer_ != nullptr) observer_->historyLine(history_.back(), toAdd);
}

void RecoveryDisplay::figuresChanged() {
    if (observer_ != nullptr && observer_->showsFigures()) observer_->figuresChanged(figures_);
}

}  // namespace quorvex
