#pragma once

#include <QFile>
#include <QString>
#include <string>

namespace quorvex {

// Paths are kept as the file system's bytes; only what is shown is decoded.
class PathText {
public:
    static QString toDisplay(const std::string& path) {
        return QFile::decodeName(QByteArray::fromStdString(path));
    }
    static std::string fromDisplay(const QString& path) {
        return QFile::encodeName(path).toStdString();
    }
};

}  // namespace quorvex
