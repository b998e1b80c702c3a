#include "QtSaveFileNames.h"

#include <QFileDialog>

#include "PathText.h"

namespace quorvex {

std::string QtSaveFileNames::askSaveName(const std::string& caption, const std::string& suggested,
                                         const std::string& filter) {
    const QString chosen = QFileDialog::getSaveFileName(parent_, QString::fromStdString(caption),
                                                        PathText::toDisplay(suggested),
                                                        QString::fromStdString(filter));
    return chosen.isEmpty() ? std::string() : PathText::fromDisplay(chosen);
}

}  // namespace quorvex
