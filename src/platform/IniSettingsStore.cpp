#include "IniSettingsStore.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace quorvex {

namespace {

QString settingsKey(const std::string& keyPath, const std::string& valueName) {
    QString group = QString::fromStdString(keyPath);
    group.replace('\\', '/');
    return group + '/' + QString::fromStdString(valueName);
}

}  // namespace

IniSettingsStore::IniSettingsStore(QString filePath) : filePath_(std::move(filePath)) {}

QString IniSettingsStore::defaultFilePath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           "/Quorvex/quorvex.ini";
}

// INI groups come into being with their first value, so a key is as good as created once the
// settings file can be written.
bool IniSettingsStore::openOrCreateKey(const std::string&) {
    if (!QDir().mkpath(QFileInfo(filePath_).absolutePath())) return false;
    return QSettings(filePath_, QSettings::IniFormat).isWritable();
}

std::optional<std::string> IniSettingsStore::readString(const std::string& keyPath,
                                                        const std::string& valueName) {
    const QSettings settings(filePath_, QSettings::IniFormat);
    if (settings.status() != QSettings::NoError) return std::nullopt;
    const QVariant value = settings.value(settingsKey(keyPath, valueName));
    if (value.typeId() != QMetaType::QString) return std::nullopt;
    return value.toString().toStdString();
}

bool IniSettingsStore::writeString(const std::string& keyPath, const std::string& valueName,
                                   const std::string& text) {
    QSettings settings(filePath_, QSettings::IniFormat);
    if (!settings.isWritable()) return false;
    settings.setValue(settingsKey(keyPath, valueName), QString::fromStdString(text));
    settings.sync();
    return settings.status() == QSettings::NoError;
}

}  // namespace quorvex
