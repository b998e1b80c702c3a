#pragma once

#include <functional>
#include <string>
#include <vector>

#include "WizardFlow.h"

namespace quorvex::test {

// The window as a task's steps see it: every request is written to a log ("buttons 0 0 1",
// "move 2", "media 4", "captions", "cancel Stop", "report 1 0"), a move lands at once, and
// beforeReport runs when the report page is asked for.
class RecordingFlow final : public WizardFlow {
  public:
    WizardState& navigation() override { return state; }
    void MoveToFrame() override {
        log.push_back("move " + std::to_string(state.PageStep));
        state.CurrentPage = static_cast<std::int16_t>(state.CurrentPage + state.PageStep);
    }
    void SetNavButtons(bool back, bool next, bool cancel) override {
        log.push_back("buttons " + std::to_string(back) + " " + std::to_string(next) + " " +
                      std::to_string(cancel));
    }
    void disableCancel() override { log.push_back("cancel off"); }
    void SetStepCaptions() override { log.push_back("captions"); }
    void ShowMediaState(std::int16_t page) override {
        log.push_back("media " + std::to_string(page));
    }
    void setCancelCaption(const std::string& text) override { log.push_back("cancel " + text); }
    void GotoReportPage(bool stoppedEarly, bool paused) override {
        if (beforeReport) beforeReport();
        log.push_back("report " + std::to_string(stoppedEarly) + " " + std::to_string(paused));
    }

    WizardState state;
    std::vector<std::string> log;
    std::function<void()> beforeReport;
};

}  // namespace quorvex::test
