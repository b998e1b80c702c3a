#pragma once

#include <cstdint>
#include <string>

#include "WizardState.h"

namespace quorvex {

// What the steps of a task ask of the main window: its navigation state, the page move, the
// three navigation buttons, their captions and the page banners.
class WizardFlow {
public:
    virtual ~WizardFlow() = default;

    virtual WizardState& navigation() = 0;
    // Performs the move prepared in navigation().PageStep; returns once the slide has ended.
    virtual void MoveToFrame() = 0;
    // The only way the Back, Next and Cancel buttons are enabled or disabled.
    virtual void SetNavButtons(bool back, bool next, bool cancel) = 0;
    // Disables Cancel and leaves Back and Next as they are.
    virtual void disableCancel() = 0;
    virtual void SetStepCaptions() = 0;
    virtual void ShowMediaState(std::int16_t page) = 0;
    virtual void setCancelCaption(const std::string& text) = 0;
    // Leaves the copying or burning page for the report page; the flags tell how the run ended:
    // (false, true) completed, (true, true) paused, (true, false) aborted, (false, false) burnt.
    virtual void GotoReportPage(bool stoppedEarly, bool paused) = 0;
};

}  // namespace quorvex
