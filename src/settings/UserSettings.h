#pragma once

#include <cstdint>
#include <string>

#include "RigisterMethods.h"

namespace quorvex {

// The program's own settings, all kept under the key "Software\Quorvex".
class UserSettings {
public:
    static constexpr const char* KeyPath = "Software\\Quorvex";
    static constexpr const char* LanguageValue = "lang";

    explicit UserSettings(SettingsStore& store);

    std::string ReadUserSetting(const std::string& valueName);
    // Writes only when the key could be opened or created; a failed write leaves the old value.
    void SaveUserSetting(const std::string& text, const std::string& valueName);

    // The language to start in: the stored number, or 1 when it is missing, not a number,
    // below 1, or too large for a language number.
    std::int16_t startLanguage();

private:
    RigisterMethods registry_;
};

}  // namespace quorvex
