#pragma once

#include <cstdint>
#include <optional>

#include "WizardState.h"

namespace quorvex {

// A colour of the title strip.
struct TitleColour {
    int red = 0;
    int green = 0;
    int blue = 0;
    friend bool operator==(const TitleColour&, const TitleColour&) = default;
};

// The enabled state Back and Next take when a slide lands on the menu or the source page.
struct LandingButtons {
    bool back = false;
    bool next = false;
};

// What one tick of the slide shows.
struct SlideFrame {
    // Left edges of the page being left and of the page coming in.
    int leavingLeft = 0;
    int arrivingLeft = 0;
    TitleColour title;
    bool finished = false;
    // Set on the last tick when it lands on page 0 or 1.
    std::optional<LandingButtons> landing;
};

// The slide of a page move as plain state: every tick moves the pages 100 pixels, seven ticks
// reach past the 640-pixel page width whatever the distance, and the last one lands.
class PageSlide {
  public:
    static constexpr int PageWidth = 640;
    static constexpr int StepPixels = 100;
    static constexpr int TickMilliseconds = 50;
    static constexpr TitleColour RestingTitle{0, 0, 150};

    explicit PageSlide(WizardState& state) : state_(state) {}

    // The page coming in, and its left edge before the first tick.
    std::int16_t target() const;
    int arrivingStart() const;
    // Moves SlideOffset one step; the last tick clamps it and sets CurrentPage to the target.
    SlideFrame tick();
    static TitleColour titleColourAt(int offset);

  private:
    int sign() const { return state_.PageStep < 0 ? -1 : 1; }

    WizardState& state_;
};

}  // namespace quorvex
