#pragma once

#include <optional>
#include <string>

namespace quorvex {

// A per-user store of named string values grouped under key paths such as "Software\Quorvex".
class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    // Opens the key, creating it when missing; true when the key can be written.
    virtual bool openOrCreateKey(const std::string& keyPath) = 0;
    // The stored text, which may hold NUL characters; nothing when the key or the value is
    // missing, unreadable, or holds something other than a string.
    virtual std::optional<std::string> readString(const std::string& keyPath,
                                                  const std::string& valueName) = 0;
    virtual bool writeString(const std::string& keyPath, const std::string& valueName,
                             const std::string& text) = 0;
};

}  // namespace quorvex
