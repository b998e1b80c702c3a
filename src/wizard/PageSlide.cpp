#include "PageSlide.h"

#include <algorithm>
#include <cstdlib>

namespace quorvex {

std::int16_t PageSlide::target() const {
    return static_cast<std::int16_t>(state_.CurrentPage + state_.PageStep);
}

int PageSlide::arrivingStart() const {
    return state_.PageStep * PageWidth;
}

SlideFrame PageSlide::tick() {
    SlideFrame frame;
    int offset = state_.SlideOffset - StepPixels * sign();
    if (std::abs(offset) > PageWidth) {
        offset = -PageWidth * sign();
        frame.finished = true;
    }
    state_.SlideOffset = static_cast<std::int16_t>(offset);
    frame.title = titleColourAt(offset);
    frame.leavingLeft = offset;
    frame.arrivingLeft = sign() * PageWidth + offset;
    if (!frame.finished) return frame;
    state_.CurrentPage = target();
    if (state_.CurrentPage == 0) frame.landing = LandingButtons{false, true};
    if (state_.CurrentPage == 1) frame.landing = LandingButtons{true, true};
    return frame;
}

TitleColour PageSlide::titleColourAt(int offset) {
    const int half = std::abs(offset) / 2;
    return {std::min(half, 255), std::min(half, 255), std::min(half + 150, 255)};
}

}  // namespace quorvex
