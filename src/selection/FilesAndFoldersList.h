#pragma once

#include <QWidget>
#include <cstdint>
#include <string>

#include "BlockSizeRule.h"
#include "BrowserPictures.h"
#include "FolderBrowser.h"
#include "ItemCollector.h"
#include "PathRules.h"

class QAction;
class QLabel;
class QLineEdit;
class QStackedWidget;
class QTreeWidget;

namespace quorvex {

// The file and folder browser of the source and destination pages: a tool bar with Back, Up
// and New folder, the folder's path, and its subfolders and files with their icons. The source
// browser turns the rows the user marked into the list of items a recovery run takes.
class FilesAndFoldersList : public QWidget {
    Q_OBJECT

public:
    FilesAndFoldersList(BrowserServices services, Shell& shell, QWidget* parent = nullptr);

    std::string CurrentPath() const { return browser_.CurrentPath(); }
    void setCurrentPath(const std::string& path) { browser_.setCurrentPath(path); }
    void ShowFilesList() { browser_.ShowFilesList(); }
    bool ShowHidden() const { return browser_.ShowHidden; }
    void setShowHidden(bool show);
    bool AllowCreateFolders() const;
    void setAllowCreateFolders(bool allow);
    bool AllowMultySelect() const;
    void setAllowMultySelect(bool allow);
    // Kept for the host; Qt's fonts cover every script, so nothing else changes.
    std::int16_t FontCharSet() const { return fontCharSet_; }
    void setFontCharSet(std::int16_t charSet) { fontCharSet_ = charSet; }
    void LoadLang(std::int16_t language);
    void setLang_FFValue(std::int16_t index, const std::string& text);
    const TextTable& Lang_FFText() const { return browser_.Lang_FFText; }
    QIcon FileIcon(const std::string& path) { return pictures_.FileIcon(path); }

    bool CreateListOfSelected();
    bool CreateFilesList();
    bool GetFileNames(const std::string& basePath, const std::string& name);
    std::string SelectedItemName(std::int32_t index) const;
    std::int32_t Items_Count() const { return items_.Items_Count; }
    double Items_TotalSize() const { return items_.Items_TotalSize; }
    // Pipes, sockets and device files the last collection met, with the reason, for the summary.
    const std::vector<Selection::LeftOut>& leftOut() const { return items_.leftOut(); }
    std::string PathBack(const std::string& path) const { return browser_.PathBack(path); }
    static std::string GetPathToFileNames(const std::string& path) {
        return PathRules::GetPathToFileNames(path);
    }
    static std::string StrZToStr(const std::string& text) { return PathRules::StrZToStr(text); }
    static std::int32_t GetBlockSize(std::int16_t DeviceType, const std::string& DeviceName,
                                     const std::string& DeviceFileSystem) {
        return BlockSizeRule::GetBlockSize(DeviceType, DeviceName, DeviceFileSystem);
    }

    QTreeWidget* FilesList() const { return filesList_; }
    QLineEdit* PathCaption() const { return pathCaption_; }
    QAction* navigationButton(int number) const;
    bool errorShown() const;
    QString errorCaption() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildParts();
    void showBrowser();
    void showButtons();
    void openCurrentRow();
    void newFolder();
    void collecting(bool running);
    std::vector<std::string> markedNames() const;
    static QString displayText(const std::string& bytes);

    Languages& languages_;
    FolderBrowser browser_;
    ItemCollector items_;
    BrowserPictures pictures_;
    std::int16_t fontCharSet_ = 0;
    QAction* back_ = nullptr;
    QAction* up_ = nullptr;
    QAction* newFolder_ = nullptr;
    QLineEdit* pathCaption_ = nullptr;
    QStackedWidget* pages_ = nullptr;
    QTreeWidget* filesList_ = nullptr;
    QLabel* errorCaption_ = nullptr;
};

}  // namespace quorvex
