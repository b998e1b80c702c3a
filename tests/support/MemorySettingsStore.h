#pragma once

#include <map>
#include <string>

#include "SettingsStore.h"

namespace quorvex::test {

// Settings held in memory; a value can be marked as being of another type than string.
class MemorySettingsStore final : public SettingsStore {
public:
    bool openOrCreateKey(const std::string&) override { return writable; }
    std::optional<std::string> readString(const std::string& keyPath,
                                          const std::string& valueName) override {
        const auto found = values.find(keyPath + "/" + valueName);
        if (found == values.end() || nonString.contains(found->first)) return std::nullopt;
        return found->second;
    }
    bool writeString(const std::string& keyPath, const std::string& valueName,
                     const std::string& text) override {
        if (!writable) return false;
        values[keyPath + "/" + valueName] = text;
        return true;
    }

    std::string language() const {
        const auto found = values.find("Software\\Quorvex/lang");
        return found == values.end() ? "<none>" : found->second;
    }

    bool writable = true;
    std::map<std::string, std::string> values;
    std::map<std::string, bool> nonString;
};

}  // namespace quorvex::test
