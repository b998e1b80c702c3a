#include "SourcePage.h"

namespace quorvex {

SourcePage::SourcePage(WizardServices& services, QWidget* parent)
    : DriveFolderPage(services, 1, "Tips_1", parent) {}

void SourcePage::applyTexts(const SharedState& state) {
    showTexts(state, 21, state.Lang_MainText[13]);
}

void SourcePage::prepare() {
    drives().setShowRemovables(true);
    drives().ShowDevices();
    browser().setAllowCreateFolders(false);
    browser().setAllowMultySelect(true);
    browser().setCurrentPath(drives().CurrentDriveName());
}

}  // namespace quorvex
