#pragma once

#include <cstdint>

#include "SharedState.h"

namespace quorvex {

// The main window as the language loader sees it: it puts the loaded texts on its controls.
class LanguageView {
public:
    virtual ~LanguageView() = default;

    // The main texts and their character set are loaded: title, captions, menu, step captions.
    virtual void showMainTexts(const SharedState& state) = 0;
    // The recovery control's texts are loaded.
    virtual void showRecoveryTexts(const SharedState& state) = 0;
    // Each file browser loads its own table for the language.
    virtual void loadBrowserTexts(std::int16_t language) = 0;
};

}  // namespace quorvex
