#pragma once

#include <cstdint>

namespace quorvex {

// The wizard's navigation state, shared by the window and the procedures that move it.
struct WizardState {
    // Index 0..7 of the page shown.
    std::int16_t CurrentPage = 0;
    // Signed number of pages the next move goes by: target = CurrentPage + PageStep.
    std::int16_t PageStep = 0;
    // Horizontal offset of the slide, in pixels; 0 before every move.
    std::int16_t SlideOffset = 0;
    // The task picked on the menu page; decides the page sequence.
    std::int16_t WizardTask = 1;
    // Menu entries standing before the recovery entry (0 or 1).
    std::int16_t MenuIndexBase = 0;
};

}  // namespace quorvex
