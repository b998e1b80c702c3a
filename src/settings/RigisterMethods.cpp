#include "RigisterMethods.h"

namespace quorvex {

RigisterMethods::RigisterMethods(SettingsStore& store) : store_(store) {}

bool RigisterMethods::RegCreateKeyPath(const std::string& keyPath) {
    try {
        return store_.openOrCreateKey(keyPath);
    } catch (...) {
        return false;
    }
}

std::string RigisterMethods::RegReadString(const std::string& keyPath,
                                           const std::string& valueName,
                                           const std::string& defaultText) {
    try {
        const auto stored = store_.readString(keyPath, valueName);
        if (!stored) return defaultText;
        return stored->substr(0, stored->find('\0'));
    } catch (...) {
        return defaultText;
    }
}

bool RigisterMethods::RegWriteString(const std::string& keyPath, const std::string& valueName,
                                     const std::string& text) {
    try {
        return store_.writeString(keyPath, valueName, text);
    } catch (...) {
        return false;
    }
}

}  // namespace quorvex
