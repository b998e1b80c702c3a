#include "RecoveryDisplay.h"

#include <utility>

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
    if (!showsHistory()) return AddHRec(std::string(), toAdd);
    std::size_t length = 0;
    for (const std::string_view part : parts) length += part.size();
    std::string text;
    text.reserve(length);
    for (const std::string_view part : parts) text.append(part);
    AddHRec(std::move(text), toAdd);
}

void RecoveryDisplay::figuresChanged() {
    if (observer_ != nullptr && observer_->showsFigures()) observer_->figuresChanged(figures_);
}

}  // namespace quorvex
