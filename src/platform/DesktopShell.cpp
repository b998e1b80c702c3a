#include "DesktopShell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

#include "PathText.h"

namespace quorvex {

bool DesktopShell::openWebAddress(const std::string& address) {
    const QUrl url(QString::fromStdString(address), QUrl::StrictMode);
    if (!url.isValid() || url.scheme().isEmpty()) return false;
    return QDesktopServices::openUrl(url);
}

QIcon DesktopShell::smallFileIcon(const std::string& path) {
    return icons_.icon(QFileInfo(PathText::toDisplay(path)));
}

}  // namespace quorvex
