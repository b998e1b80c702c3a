#include "DestinationPage.h"

namespace quorvex {

DestinationPage::DestinationPage(WizardServices& services, QWidget* parent)
    : DriveFolderPage(services, 2, "Tips_0", parent) {}

void DestinationPage::applyTexts(const SharedState& state) {
    showTexts(state, 86, state.Lang_MainText[39] + " 2.   " + state.Lang_MainText[40]);
}

void DestinationPage::prepare() {
    drives().setShowRemovables(false);
    drives().ShowDevices();
    browser().setAllowCreateFolders(true);
    browser().setAllowMultySelect(false);
    browser().setCurrentPath(drives().CurrentDriveName());
}

}  // namespace quorvex
