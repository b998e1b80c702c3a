#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "DriveEntry.h"
#include "DriveTable.h"
#include "DriveTypeNames.h"

namespace quorvex {

// The drive list without its window: which drives are listed, which one is chosen, and what
// the list and the tool bar show. Positions are 1-based as the host reads them.
class DriveListing {
  public:
    static constexpr std::size_t MaxDrives = 40;
    static constexpr int ToolbarButtons = 3;

    explicit DriveListing(DriveTable& table);

    // Rebuilds the listing and chooses the first drive with a readable medium.
    void ShowDevices();
    // The user picked row `position` of the list, or button `position` of the tool bar.
    void chooseRow(int position);
    void chooseButton(int position);

    bool ShowRemovables = true;
    std::string CurrentDriveName;
    std::int16_t CurrentDriveIndex = 0;

    const std::vector<DriveEntry>& rows() const { return rows_; }
    int buttonCount() const;
    // The pressed tool-bar button, 0 when none is.
    int pressedButton() const { return pressedButton_; }
    // The row the list shows as chosen, 0 when none.
    int selectedRow() const { return selectedRow_; }

    std::string GetDriveTypeName(std::int16_t type) const { return typeNames_.nameOf(type); }
    // Index 0 is the caption above the list, 1..6 rename the types 0..5.
    void Lang(std::int16_t index, const std::string& text);
    void LangValue(const std::string& text, std::int16_t index);
    const std::string& caption() const { return caption_; }

  private:
    bool listed(std::int16_t type) const;
    DriveEntry entryFor(const MountedVolume& volume);
    void chooseStartingDrive();
    void SelectCurrentDrive();

    DriveTable& table_;
    DriveTypeNames typeNames_;
    std::vector<DriveEntry> rows_;
    std::string caption_;
    int pressedButton_ = 0;
    int selectedRow_ = 0;
};

}  // namespace quorvex
