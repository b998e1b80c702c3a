#include "FolderBrowser.h"

#include "BrowserTexts.h"
#include "FolderListing.h"
#include "PathRules.h"
#include "RunTimeError.h"

namespace quorvex {

FolderBrowser::FolderBrowser(BrowserServices services) : services_(services) {}

void FolderBrowser::setCurrentPath(const std::string& path) {
    currentPath_ = path;
    ShowFilesList();
}

// The rows show what a collection would take: hidden names are left out alike for folders and
// files, pipes, sockets and device files are not shown, and every symbolic link is a row of its
// own. A link to a folder shows with the folders and opens like one, as in any file manager, so
// that the user can look at what it points to; marked, it is collected as the link itself.
void FolderBrowser::ShowFilesList() {
    rows_.clear();
    errorShown_ = false;
    currentPath_ = PathRules::withSlash(currentPath_);
    showCurrentFolderCaption();
    if (showsAudioCd(drives())) return showError(text(BrowserText::AudioCd));
    const FolderListing listing = FolderListing::read(currentPath_, ShowHidden, true);
    for (const std::string& name : listing.folders)
        rows_.push_back({name, true, ExtensionSlots::FolderPicture});
    std::vector<std::string> fileRows;
    for (const FolderListing::File& file : listing.files) {
        if (file.link && services_.folders.folderExists(currentPath_ + file.name))
            rows_.push_back({file.name, true, ExtensionSlots::FolderPicture});
        else
            fileRows.push_back(file.name);
    }
    for (const std::string& name : fileRows) addFileRow(name);
    if (!listing.complete) return showError(text(BrowserText::FolderUnreadable));
    notify();
}

void FolderBrowser::addFileRow(const std::string& name) {
    const ExtensionSlots::Slot slot = slots_.slotFor(ExtensionSlots::extensionOf(name));
    if (slot.added) pictureSources_.push_back(currentPath_ + name);
    rows_.push_back({name, false, slot.picture});
}

bool FolderBrowser::showsAudioCd(const std::vector<MountedVolume>& drives) const {
    const MountedVolume* drive = DriveTable::volumeHolding(drives, currentPath_);
    return drive != nullptr && drive->type == DriveType::CdRom && drive->volumeName == "Audio CD";
}

void FolderBrowser::showError(const std::string& text) {
    errorCaption_ = text.empty() ? "Disk is Unavailable" : text;
    errorShown_ = true;
    notify();
}

void FolderBrowser::openRow(std::size_t row) {
    if (row >= rows_.size() || !rows_[row].folder) return;
    history_.add(currentPath_);
    currentPath_ += rows_[row].name + "/";
    ShowFilesList();
}

void FolderBrowser::back() {
    if (history_.empty()) return;
    currentPath_ = history_.takeLatest();
    ShowFilesList();
}

void FolderBrowser::up() {
    history_.add(currentPath_);
    currentPath_ = PathBack(currentPath_);
    ShowFilesList();
}

bool FolderBrowser::upEnabled() const {
    return PathBack(currentPath_) != currentPath_;
}

std::string FolderBrowser::PathBack(const std::string& path) const {
    const std::vector<MountedVolume> known = drives();
    const MountedVolume* drive = DriveTable::volumeHolding(known, path);
    if (drive != nullptr && drive->mountPoint == PathRules::withSlash(path)) return path;
    return PathRules::PathBack(path);
}

std::optional<std::size_t> FolderBrowser::newFolder() {
    const std::string name = services_.folderNames.askFolderName(
        text(BrowserText::NewFolderPrompt), text(BrowserText::NewFolderTitle));
    if (name.empty()) return std::nullopt;
    const bool oneName = name.find('/') == std::string::npos;
    if (!oneName || !CreateFolderIfMissing(PathRules::withSlash(currentPath_) + name)) {
        services_.prompts.messageBox(PromptIcon::Critical, PromptButtons::Ok, messageCaption,
                                     text(BrowserText::CannotCreateFolder));
        return std::nullopt;
    }
    ShowFilesList();
    for (std::size_t row = 0; row < rows_.size(); ++row)
        if (rows_[row].name == name) return row;
    return std::nullopt;
}

bool FolderBrowser::CreateFolderIfMissing(const std::string& path) {
    if (services_.folders.folderExists(path)) return true;
    try {
        services_.folders.createFolder(path);
        return true;
    } catch (const RunTimeError&) {
        return false;
    }
}

void FolderBrowser::showCurrentFolderCaption() {
    caption_ = text(BrowserText::CurrentFolder) + ": " + currentPath_;
}

std::vector<MountedVolume> FolderBrowser::drives() const {
    try {
        return services_.drives.drives();
    } catch (const RunTimeError&) {
        return {};
    }
}

std::string FolderBrowser::text(int index) const {
    return Lang_FFText[static_cast<std::size_t>(index)];
}

void FolderBrowser::notify() {
    if (changed_) changed_();
}

}  // namespace quorvex
