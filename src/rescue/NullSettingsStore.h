#pragma once

#include "SettingsStore.h"

namespace quorvex {

// The command line keeps no settings: nothing is read, nothing is written.
class NullSettingsStore final : public SettingsStore {
  public:
    bool openOrCreateKey(const std::string&) override { return false; }
    std::optional<std::string> readString(const std::string&, const std::string&) override {
        return std::nullopt;
    }
    bool writeString(const std::string&, const std::string&, const std::string&) override {
        return false;
    }
};

}  // namespace quorvex
