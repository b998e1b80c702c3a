#include "DriveListing.h"

#include <algorithm>

#include "BlockSizeRule.h"
#include "DriveNaming.h"
#include "RunTimeError.h"

namespace quorvex {

DriveListing::DriveListing(DriveTable& table) : table_(table) {}

bool DriveListing::listed(std::int16_t type) const {
    return ShowRemovables || type == DriveType::Unknown || type == DriveType::Fixed ||
           type == DriveType::Network;
}

DriveEntry DriveListing::entryFor(const MountedVolume& volume) {
    DriveEntry entry{DriveNaming::nameOf(volume.mountPoint), {}, {}, volume.type, 0};
    const std::string typeName = GetDriveTypeName(volume.type);
    entry.text = typeName.empty() ? entry.name : entry.name + " - " + typeName;
    try {
        // A volume that does not answer has no medium to read: no info and no block size.
        table_.space(volume.mountPoint);
        entry.info = volume.volumeName;
        if (volume.type != DriveType::Removable)
            entry.blockSize =
                BlockSizeRule::GetBlockSize(volume.type, entry.info, volume.fileSystem);
    } catch (const RunTimeError& error) {
        if (error.number() != ErrorNumber::DiskNotReady) throw;
    }
    return entry;
}

void DriveListing::ShowDevices() {
    rows_.clear();
    pressedButton_ = 0;
    selectedRow_ = 0;
    try {
        for (const MountedVolume& volume : table_.drives())
            if (listed(volume.type) && rows_.size() < MaxDrives) rows_.push_back(entryFor(volume));
    } catch (const std::exception&) {
        // Whatever was listed before the failure stays; the choice is not moved.
        SelectCurrentDrive();
        return;
    }
    chooseStartingDrive();
    SelectCurrentDrive();
    if (CurrentDriveIndex <= buttonCount()) pressedButton_ = CurrentDriveIndex;
}

void DriveListing::chooseStartingDrive() {
    const auto readable = std::find_if(rows_.begin(), rows_.end(),
                                       [](const DriveEntry& row) { return row.blockSize != 0; });
    if (rows_.empty()) {
        CurrentDriveIndex = 0;
        CurrentDriveName.clear();
        return;
    }
    // With no readable medium anywhere the first listed drive is the best there is.
    const auto chosen = readable == rows_.end() ? rows_.begin() : readable;
    CurrentDriveIndex = static_cast<std::int16_t>(chosen - rows_.begin() + 1);
    CurrentDriveName = DriveNaming::rootOf(chosen->name);
}

void DriveListing::SelectCurrentDrive() {
    const std::string current = DriveNaming::nameOf(CurrentDriveName);
    for (std::size_t row = 0; row < rows_.size(); ++row)
        if (rows_[row].name == current) {
            selectedRow_ = static_cast<int>(row + 1);
            return;
        }
}

void DriveListing::chooseRow(int position) {
    if (position < 1 || position > static_cast<int>(rows_.size())) return;
    CurrentDriveIndex = static_cast<std::int16_t>(position);
    pressedButton_ = position <= buttonCount() ? position : 0;
    selectedRow_ = position;
    CurrentDriveName = DriveNaming::rootOf(rows_[static_cast<std::size_t>(position - 1)].name);
}

void DriveListing::chooseButton(int position) {
    if (position < 1 || position > buttonCount()) return;
    pressedButton_ = position;
    CurrentDriveIndex = static_cast<std::int16_t>(position);
    // The tool bar hands over the bare name; the browser completes a drive root itself.
    CurrentDriveName = rows_[static_cast<std::size_t>(position - 1)].name;
    SelectCurrentDrive();
}

int DriveListing::buttonCount() const {
    return std::min(ToolbarButtons, static_cast<int>(rows_.size()));
}

void DriveListing::Lang(std::int16_t index, const std::string& text) {
    if (index == 0) caption_ = text;
    if (index >= 1 && index <= DriveTypeNames::Used)
        typeNames_.rename(static_cast<std::int16_t>(index - 1), text);
}

void DriveListing::LangValue(const std::string& text, std::int16_t index) {
    if (index == 1) caption_ = text;
}

}  // namespace quorvex
