#pragma once

#include <string>

#include "SharedState.h"

namespace quorvex {

// The recovery texts loaded from the language file, each with an English fallback of the
// command line's own for when the file is missing and the text is empty.
class RescueTexts {
  public:
    explicit RescueTexts(const TextTable& loaded) : loaded_(loaded) {}

    const TextTable& table() const { return loaded_; }
    std::string pick(int index, const char* fallback) const {
        const std::string& text = loaded_[static_cast<std::size_t>(index)];
        return text.empty() ? fallback : text;
    }

  private:
    const TextTable& loaded_;
};

}  // namespace quorvex
