#pragma once

#include "SharedState.h"

namespace quorvex {

// The main window as the language loader sees it: it puts the loaded texts on its controls.
class LanguageView {
public:
    virtual ~LanguageView() = default;

    // The main texts and their character set are loaded: title, captions, menu, step captions.
    virtual void showMainTexts(const SharedState& state) = 0;
    // The recovery control's texts are loaded too, after the main texts.
    virtual void showRecoveryTexts(const SharedState&) {}
};

}  // namespace quorvex
