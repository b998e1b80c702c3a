#include "QtFolderNamePrompt.h"

#include <QInputDialog>

#include "PathText.h"

namespace quorvex {

std::string QtFolderNamePrompt::askFolderName(const std::string& prompt,
                                              const std::string& title) {
    bool accepted = false;
    const QString name =
        QInputDialog::getText(parent_, QString::fromStdString(title),
                              QString::fromStdString(prompt), QLineEdit::Normal, {}, &accepted);
    return accepted ? PathText::fromDisplay(name) : std::string();
}

}  // namespace quorvex
