#include "DefaultImageName.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace quorvex {

QString DefaultImageName::freeNameFor(const QString& label) {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return freeNameIn(QFileInfo(documents).isDir() ? documents : QDir::homePath(), label);
}

QString DefaultImageName::freeNameIn(const QString& folder, const QString& label) {
    QString stem = label;
    stem.replace('/', '_');
    if (stem.isEmpty() || stem == "." || stem == "..") stem = "disc";
    const QDir place(folder);
    QString name = place.filePath(stem + ".iso");
    for (int number = 2; QFileInfo(name).exists() || QFileInfo(name).isSymLink(); ++number)
        name = place.filePath(stem + QString(" (%1).iso").arg(number));
    return name;
}

}  // namespace quorvex
