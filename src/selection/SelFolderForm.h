#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "DriveTable.h"
#include "SharedState.h"

class QComboBox;
class QFileSystemModel;
class QPushButton;
class QTreeView;

namespace quorvex {

// The modal folder picker of the temporary folder: a drive choice and the folder tree of that
// drive. OK keeps the chosen folder, with a trailing "/"; Cancel keeps nothing.
class SelFolderForm : public QDialog {
    Q_OBJECT

  public:
    // Opens on the drive holding startFolder, with that folder chosen.
    SelFolderForm(DriveTable& table, const SharedState& state, const std::string& startFolder,
                  QWidget* parent = nullptr);

    // The folder chosen with OK; "" until then and after Cancel.
    const std::string& chosenFolder() const { return chosenFolder_; }

  private:
    void driveActivated(int row);
    bool showDrive(int row);
    void showFolder(const std::string& folder);
    void accept() override;

    std::vector<MountedVolume> drives_;
    int shownDrive_ = -1;
    std::string chosenFolder_;
    QComboBox* Drive1;
    QTreeView* Dir1;
    QFileSystemModel* folders_;
    QPushButton* okButton_;
    QPushButton* cancelButton_;
};

}  // namespace quorvex
