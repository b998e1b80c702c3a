// The browser's actions on rows and keys, and the collection of the marked rows.
#include <QKeyEvent>
#include <QTreeWidget>

#include "FilesAndFoldersList.h"

namespace quorvex {

bool FilesAndFoldersList::eventFilter(QObject* watched, QEvent* event) {
    if (watched != filesList_ || event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        openCurrentRow();
        return true;
    }
    if (key == Qt::Key_Backspace) {
        browser_.up();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void FilesAndFoldersList::openCurrentRow() {
    const QTreeWidgetItem* item = filesList_->currentItem();
    if (item != nullptr) browser_.openRow(item->data(0, Qt::UserRole).toULongLong());
}

void FilesAndFoldersList::newFolder() {
    const std::optional<std::size_t> row = browser_.newFolder();
    if (!row) return;
    QTreeWidgetItem* item = filesList_->topLevelItem(static_cast<int>(*row));
    filesList_->clearSelection();
    filesList_->setCurrentItem(item);
    item->setSelected(true);
}

bool FilesAndFoldersList::CreateListOfSelected() {
    const std::vector<std::string> names = markedNames();
    collecting(true);
    const bool stored = items_.CreateListOfSelected(CurrentPath(), names);
    collecting(false);
    return stored;
}

bool FilesAndFoldersList::CreateFilesList() {
    collecting(true);
    const bool stored = items_.CreateFilesList(CurrentPath());
    collecting(false);
    return stored;
}

bool FilesAndFoldersList::GetFileNames(const std::string& basePath, const std::string& name) {
    collecting(true);
    const bool complete = items_.GetFileNames(basePath, name);
    collecting(false);
    return complete;
}

std::string FilesAndFoldersList::SelectedItemName(std::int32_t index) const {
    return items_.SelectedItemName(index);
}

// The rows and buttons take no input while events run during a collection.
void FilesAndFoldersList::collecting(bool running) {
    filesList_->setEnabled(!running);
    for (int button = 1; button <= 3; ++button) navigationButton(button)->setEnabled(!running);
    if (!running) showButtons();
}

std::vector<std::string> FilesAndFoldersList::markedNames() const {
    std::vector<std::string> names;
    const std::vector<BrowserRow>& rows = browser_.rows();
    for (int index = 0; index < filesList_->topLevelItemCount(); ++index) {
        const QTreeWidgetItem* item = filesList_->topLevelItem(index);
        if (item->isSelected()) names.push_back(rows[item->data(0, Qt::UserRole).toULongLong()].name);
    }
    return names;
}

}  // namespace quorvex
