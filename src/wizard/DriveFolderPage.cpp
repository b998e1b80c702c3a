#include "DriveFolderPage.h"

#include <QLabel>
#include <QVBoxLayout>

namespace quorvex {

DriveFolderPage::DriveFolderPage(WizardServices& services, int number, const QString& tipName,
                                 QWidget* parent)
    : QWidget(parent),
      drives_(new DrivesList(services.drives, this)),
      browser_(new FilesAndFoldersList({services.drives, services.folders, services.prompts,
                                        services.events, services.folderNames, services.languages},
                                       services.shell, this)),
      tip_(new QLabel(this)) {
    const QString suffix = QString::number(number);
    drives_->setObjectName("DrivesList" + suffix);
    browser_->setObjectName("FilesAndFoldersList" + suffix);
    tip_->setObjectName(tipName);
    tip_->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tip_);
    layout->addWidget(drives_);
    layout->addWidget(browser_, 1);
    connect(drives_, &DrivesList::DriveChanged, this, &DriveFolderPage::showDriveRoot);
}

void DriveFolderPage::showTexts(const SharedState& state, int driveCaption,
                                const std::string& tipText) {
    drives_->setFontCharSet(state.LangFontCharSet);
    drives_->Lang(0, state.Lang_MainText[static_cast<std::size_t>(driveCaption)] + ":");
    browser_->setFontCharSet(state.LangFontCharSet);
    const bool known = state.CurrentLanguage >= 1 && state.CurrentLanguage <= 5;
    browser_->LoadLang(known ? state.CurrentLanguage : std::int16_t{1});
    tip_->setText(QString::fromStdString(tipText));
}

void DriveFolderPage::showDriveRoot() {
    browser_->setCurrentPath(drives_->CurrentDriveName());
}

}  // namespace quorvex
