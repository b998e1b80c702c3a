#pragma once

#include "DriveFolderPage.h"

namespace quorvex {

// Page 1: the source drive (DrivesList1), the files and folders to rescue
// (FilesAndFoldersList1, several may be marked) and the tip Tips_1.
class SourcePage final : public DriveFolderPage {
    Q_OBJECT

  public:
    explicit SourcePage(WizardServices& services, QWidget* parent = nullptr);

    // Drive caption (text 21) and tip (text 13) in the current language.
    void applyTexts(const SharedState& state);
    // What the menu step asks of the page: removable drives too, several items marked, no new
    // folders, the chosen drive's root shown.
    void prepare();
};

}  // namespace quorvex
