#pragma once

#include <QWidget>
#include <cstdint>
#include <string>

#include "DriveListing.h"

class QComboBox;
class QLabel;
class QToolBar;

namespace quorvex {

// The drive list: a caption, a tool bar with the first three drives and a drop-down list of
// all of them. It tells the host through DriveChanged when the user picks another drive.
class DrivesList : public QWidget {
    Q_OBJECT

  public:
    explicit DrivesList(DriveTable& table, QWidget* parent = nullptr);

    void ShowDevices();
    bool ShowRemovables() const { return listing_.ShowRemovables; }
    void setShowRemovables(bool show) { listing_.ShowRemovables = show; }
    const std::string& CurrentDriveName() const { return listing_.CurrentDriveName; }
    std::int16_t CurrentDriveIndex() const { return listing_.CurrentDriveIndex; }
    std::string GetDriveTypeName(std::int16_t type) const;
    static std::int32_t GetBlockSize(std::int16_t deviceType, const std::string& deviceName,
                                     const std::string& deviceFileSystem);
    void Lang(std::int16_t index, const std::string& text);
    void LangValue(const std::string& text, std::int16_t index);
    // Qt's fonts cover every script, so a character set only renews the fonts; it reads as 0.
    void setFontCharSet(std::int16_t charSet);
    std::int16_t FontCharSet() const { return 0; }

  signals:
    void DriveChanged();

  private:
    void rowPicked(int row);
    void buttonClicked(int position);
    void showChoice();
    void fillToolbar();

    DriveListing listing_;
    QLabel* SourceDriveLabel;
    QToolBar* DrivesToolbar;
    QComboBox* DrivesFullList;
};

}  // namespace quorvex
