#pragma once

#include <string>

#include "SettingsStore.h"

namespace quorvex {

// The three routines over the user's settings store: create a key, read and write a string.
// None of them raises; a failure reads as the default or answers false.
class RigisterMethods {
public:
    explicit RigisterMethods(SettingsStore& store);

    bool RegCreateKeyPath(const std::string& keyPath);
    // The value's text up to its first NUL character, or the default when the key or the value
    // is missing, unreadable, or not a string.
    std::string RegReadString(const std::string& keyPath, const std::string& valueName,
                              const std::string& defaultText);
    bool RegWriteString(const std::string& keyPath, const std::string& valueName,
                        const std::string& text);

private:
    SettingsStore& store_;
};

}  // namespace quorvex
