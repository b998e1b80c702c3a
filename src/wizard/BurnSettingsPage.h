#pragma once

#include <QWidget>
#include <string>

#include "BannerBox.h"
#include "WizardServices.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTreeWidget;

namespace quorvex {

// Page 2, the settings of a burn: the tab strip CDRipTabStrip over CDRipFrame_0 (the disc to
// copy, SourceDrives) and CDRipFrame_1 (the temporary folder TempFolder_0 with its Browse button
// Command2, and the fixed drives with their free space, DriveList), the step label Tips_5 and
// the banner Adv2nd.
class BurnSettingsPage final : public QWidget {
    Q_OBJECT

  public:
    explicit BurnSettingsPage(WizardServices& services, QWidget* parent = nullptr);

    void applyTexts(const SharedState& state);
    // Lists the CD-ROM drives and the fixed drives again.
    void showDrives();
    // The tabs of a whole disc's copy: the disc to copy, then the temporary folder; or only the
    // temporary folder, for marked files copied before they are burnt.
    void showTabs(bool discTab);
    // The mount point of the disc chosen in SourceDrives; empty when none is.
    std::string chosenDisc() const;
    // The base folder of the temporary copy, with a trailing "/".
    std::string tempFolder() const;
    void setTempFolder(const std::string& folder);
    QLabel& tip() const { return *tip_; }
    BannerBox& banner() const { return *banner_; }

  private:
    QWidget* buildDiscFrame();
    void tabChosen(int index);
    // The fixed drives with their free space (FillDriveTable), in DriveList.
    void showFixedDrives();
    QWidget* buildFolderFrame();
    void chooseFolder();

    WizardServices& services_;
    QLabel* tip_;
    QTabWidget* tabs_;
    QWidget* discFrame_;
    QWidget* folderFrame_;
    QComboBox* sourceDrives_;
    QLabel* discLabel_;
    QLineEdit* tempFolder_;
    QLabel* folderLabel_;
    QPushButton* browse_;
    QLabel* drivesLabel_;
    QTreeWidget* driveList_;
    BannerBox* banner_;
};

}  // namespace quorvex
