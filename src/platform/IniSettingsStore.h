#pragma once

#include <QString>

#include "SettingsStore.h"

namespace quorvex {

// Settings kept in a per-user INI file through QSettings. A key path's backslashes become
// QSettings group separators, so "Software\Quorvex" and "lang" is the entry Software/Quorvex/lang.
class IniSettingsStore final : public SettingsStore {
public:
    explicit IniSettingsStore(QString filePath = defaultFilePath());

    // quorvex.ini in the Quorvex folder of the user's configuration folder.
    static QString defaultFilePath();

    bool openOrCreateKey(const std::string& keyPath) override;
    std::optional<std::string> readString(const std::string& keyPath,
                                          const std::string& valueName) override;
    bool writeString(const std::string& keyPath, const std::string& valueName,
                     const std::string& text) override;

private:
    QString filePath_;
};

}  // namespace quorvex
