#pragma once

#include <QWidget>
#include <string>

#include "DrivesList.h"
#include "FilesAndFoldersList.h"
#include "WizardServices.h"

class QLabel;

namespace quorvex {

// A page with a drive list above the file and folder browser of the chosen drive, and a tip
// line: the source page (DrivesList1, FilesAndFoldersList1) and the destination page
// (DrivesList2, FilesAndFoldersList2). A drive change shows the new drive's root in the browser.
class DriveFolderPage : public QWidget {
    Q_OBJECT

  public:
    DrivesList& drives() const { return *drives_; }
    FilesAndFoldersList& browser() const { return *browser_; }
    QLabel& tip() const { return *tip_; }

  protected:
    // number is 1 on the source page and 2 on the destination page; tipName the tip's name.
    DriveFolderPage(WizardServices& services, int number, const QString& tipName, QWidget* parent);
    // The drive list's caption (text index + ":") and the tip, in the current language.
    void showTexts(const SharedState& state, int driveCaption, const std::string& tipText);

  private:
    void showDriveRoot();

    DrivesList* drives_;
    FilesAndFoldersList* browser_;
    QLabel* tip_;
};

}  // namespace quorvex
