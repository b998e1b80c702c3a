#include "RecoveryDisplay.h"

#include <utility>

#include "JoinedText.h"

namespace quorvex {

void RecoveryDisplay::AddHRec(std::string text, bool toAdd) {
    if (!showsHistory()) return observer_->historyLine(std::string(), toAdd);
    if (toAdd || history_.empty()) {
        if (history_.size() >= 2 * KeptLines)
            history_.erase(history_.begin(), history_.end() - KeptLines);
        history_.push_back(std::move(text));
    } else
        history_.back() = std::move(text);
    if (observer_ != nullptr) observer_->historyLine(history_.back(), toAdd);
}

void RecoveryDisplay::AddHRec(std::initializer_list<std::string_view> parts, bool toAdd) {
    AddHRec(showsHistory() ? JoinedText::of(parts) : std::string(), toAdd);
}

void RecoveryDisplay::figuresChanged() {
    if (observer_ != nullptr && observer_->showsFigures()) observer_->figuresChanged(figures_);
}

}  // namespace quorvex
