#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "BrowserRow.h"
#include "BrowserServices.h"
#include "ExtensionSlots.h"
#include "FolderHistory.h"
#include "SharedState.h"

namespace quorvex {

// The file and folder browser without its window: the folder shown, its rows, the history,
// going into folders, back and up, and new folders. A drive is a mounted volume; going up
// stops at its mount point.
class FolderBrowser {
public:
    // Called whenever the rows, the caption or the error panel changed.
    using Changed = std::function<void()>;

    explicit FolderBrowser(BrowserServices services);

    void setChanged(Changed changed) { changed_ = std::move(changed); }

    const std::string& CurrentPath() const { return currentPath_; }
    // Stores the path and lists it; the history is not touched.
    void setCurrentPath(const std::string& path);
    void ShowFilesList();

    void openRow(std::size_t row);
    void back();
    // Up and the Backspace key.
    void up();
    // Asks for a name and creates the folder; the row of the new folder, when it was made.
    std::optional<std::size_t> newFolder();

    bool backEnabled() const { return !history_.empty(); }
    bool upEnabled() const;
    // The parent folder, or the path itself at the mount point of its drive.
    std::string PathBack(const std::string& path) const;

    const std::vector<BrowserRow>& rows() const { return rows_; }
    const std::string& caption() const { return caption_; }
    bool errorShown() const { return errorShown_; }
    const std::string& errorCaption() const { return errorCaption_; }
    // The file behind each picture from 3 on, in picture order, for fetching its icon.
    const std::vector<std::string>& pictureSources() const { return pictureSources_; }

    bool ShowHidden = false;
    TextTable Lang_FFText{};
    std::string messageCaption = "Quorvex";

private:
    void showCurrentFolderCaption();
    bool showsAudioCd(const std::vector<MountedVolume>& drives) const;
    void showError(const std::string& text);
    void addFileRow(const std::string& name);
    bool CreateFolderIfMissing(const std::string& path);
    std::vector<MountedVolume> drives() const;
    std::string text(int index) const;
    void notify();

    BrowserServices services_;
    Changed changed_;
    std::string currentPath_ = "/";
    std::vector<BrowserRow> rows_;
    std::string caption_;
    bool errorShown_ = false;
    std::string errorCaption_;
    FolderHistory history_;
    ExtensionSlots slots_;
    std::vector<std::string> pictureSources_;
};

}  // namespace quorvex
