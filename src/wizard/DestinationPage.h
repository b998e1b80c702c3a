#pragma once

#include "DriveFolderPage.h"

namespace quorvex {

// Page 3: the destination drive (DrivesList2), the destination folder
// (FilesAndFoldersList2, new folders may be made there) and the tip Tips_0.
class DestinationPage final : public DriveFolderPage {
    Q_OBJECT

  public:
    explicit DestinationPage(WizardServices& services, QWidget* parent = nullptr);

    // Drive caption (text 86) and tip (text 39, " 2.   ", text 40) in the current language.
    void applyTexts(const SharedState& state);
    // What the source step asks of the page: fixed drives only, one folder chosen, new folders
    // allowed, the chosen drive's root shown.
    void prepare();
};

}  // namespace quorvex
