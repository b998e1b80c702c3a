#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "RecoveryFigures.h"
#include "RecoveryObserver.h"

namespace quorvex {

// What a run shows: the history list with its frame caption, and the figures. It keeps them
// for whoever asks and passes every change to the observer, if there is one. Of the history it
// keeps at least the latest KeptLines lines: the observer gets every line as it comes, and a
// run of a million files would otherwise hold each line twice.
class RecoveryDisplay {
public:
    static constexpr std::size_t KeptLines = 10000;

    void setObserver(RecoveryObserver* observer) { observer_ = observer; }

    // Shows the text in the frame caption and adds it to the history, or replaces the last line.
    // An observer that shows no history is told of the line without its text, and nothing is
    // kept.
    void AddHRec(std::string text, bool toAdd);
    // The same for the line its parts make, which are joined only where the line is shown.
    void AddHRec(std::initializer_list<std::string_view> parts, bool toAdd);
    void clearHistory() { history_.clear(); }
    RecoveryFigures& figures() { return figures_; }
    // Without an observer the figures and lines are kept for whoever asks; an observer may say
    // that it never shows them, and then they need not be made.
    bool showsFigures() const { return observer_ == nullptr || observer_->showsFigures(); }
    bool showsHistory() const { return observer_ == nullptr || observer_->showsHistory(); }
    // Passes the figures as they stand now to the observer, if it shows them.
    void figuresChanged();
    void itemStarted(std::int32_t number) {
        if (observer_ != nullptr) observer_->itemStarted(number);
    }
    void itemEnded(std::int32_t number) {
        if (observer_ != nullptr) observer_->itemEnded(number);
    }
    void itemNote(std::int32_t number, const std::string& text) {
        if (observer_ != nullptr) observer_->itemNote(number, text);
    }

    const std::vector<std::string>& history() const { return history_; }
    // The caption is the history's latest line.
    std::string frameCaption() const { return history_.empty() ? std::string() : history_.back(); }
    const RecoveryFigures& figures() const { return figures_; }

private:
    RecoveryObserver* observer_ = nullptr;
    std::vector<std::string> history_;
    RecoveryFigures figures_;
};

}  // namespace quorvex
