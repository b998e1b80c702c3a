#include "RecoveryDisplay.h"

namespace quorvex {

void RecoveryDisplay::AddHRec(const std::string& text, bool toAdd) {
    frameCaption_ = text;
    if (toAdd || history_.empty())
        history_.push_back(text);
    else
        history_.back() = text;
    if (observer_ != nullptr) observer_->historyLine(text, toAdd);
}

void RecoveryDisplay::figuresChanged() {
    if (observer_ != nullptr) observer_->figuresChanged(figures_);
}

}  // namespace quorvex
