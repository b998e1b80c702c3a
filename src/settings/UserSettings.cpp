#include "UserSettings.h"

#include <cmath>
#include <limits>

#include "TextNumber.h"

namespace quorvex {

UserSettings::UserSettings(SettingsStore& store) : registry_(store) {}

std::string UserSettings::ReadUserSetting(const std::string& valueName) {
    return registry_.RegReadString(KeyPath, valueName, "");
}

void UserSettings::SaveUserSetting(const std::string& text, const std::string& valueName) {
    if (registry_.RegCreateKeyPath(KeyPath)) registry_.RegWriteString(KeyPath, valueName, text);
}

std::int16_t UserSettings::startLanguage() {
    const double stored = std::nearbyint(TextNumber::leadingValue(ReadUserSetting(LanguageValue)));
    if (!(stored >= 1.0) || stored > std::numeric_limits<std::int16_t>::max()) return 1;
    return static_cast<std::int16_t>(stored);
}

}  // namespace quorvex
