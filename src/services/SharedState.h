#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace quorvex {

// A text table: 151 texts addressed by fixed indexes 0..150; loading a language fills 0..148.
using TextTable = std::array<std::string, 151>;

// The program-wide state of the application services, one instance for the whole run.
struct SharedState {
    // The working folder at start, with one trailing "/".
    std::string ProgramPath;
    // The language number last requested, as requested (before it is limited to 1..5).
    std::int16_t CurrentLanguage = 0;
    // The character-set number of the current language, from entry 0 of the main texts.
    std::int16_t LangFontCharSet = 0;
    TextTable Lang_MainText{};
    TextTable Lang_RPText{};
    std::string FaqLink;
    std::int16_t MediaTick = 0;
};

}  // namespace quorvex
