#pragma once

#include "SharedState.h"

namespace quorvex {

// The main window as the language loader sees it: it puts the loaded texts on its controls.
class LanguageView {
public:
    virtual ~LanguageView() = default;

    // The main texts and their character set are loaded: title, captions, menu, step captions.
    virtual void showMainTexts(const SharedState& state) = 0;
};

}  // namespace quorvex
