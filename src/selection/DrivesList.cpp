#include "DrivesList.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QToolBar>
#include <QVBoxLayout>

#include "BlockSizeRule.h"
#include "DrivePictures.h"
#include "PathText.h"

namespace quorvex {

DrivesList::DrivesList(DriveTable& table, QWidget* parent)
    : QWidget(parent),
      listing_(table),
      SourceDriveLabel(new QLabel(this)),
      DrivesToolbar(new QToolBar(this)),
      DrivesFullList(new QComboBox(this)) {
    SourceDriveLabel->setObjectName("SourceDriveLabel");
    DrivesToolbar->setObjectName("DrivesToolbar");
    DrivesToolbar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    DrivesFullList->setObjectName("DrivesFullList");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(SourceDriveLabel);
    layout->addWidget(DrivesToolbar);
    layout->addWidget(DrivesFullList);
    connect(DrivesFullList, &QComboBox::activated, this, &DrivesList::rowPicked);
}

void DrivesList::ShowDevices() {
    listing_.ShowDevices();
    const QSignalBlocker quiet(DrivesFullList);
    DrivesFullList->clear();
    for (const DriveEntry& row : listing_.rows())
        DrivesFullList->addItem(PathText::toDisplay(row.text));
    fillToolbar();
    showChoice();
}

void DrivesList::fillToolbar() {
    DrivesToolbar->clear();
    for (int position = 1; position <= listing_.buttonCount(); ++position) {
        const DriveEntry& row = listing_.rows()[static_cast<std::size_t>(position - 1)];
        QAction* button = DrivesToolbar->addAction(DrivePictures::forType(row.type),
                                                   PathText::toDisplay(row.text));
        button->setCheckable(true);
        button->setToolTip(PathText::toDisplay(row.info));
        connect(button, &QAction::triggered, this, [this, position] { buttonClicked(position); });
    }
}

void DrivesList::showChoice() {
    const QList<QAction*> buttons = DrivesToolbar->actions();
    for (int index = 0; index < buttons.size(); ++index)
        buttons[index]->setChecked(index + 1 == listing_.pressedButton());
    const QSignalBlocker quiet(DrivesFullList);
    DrivesFullList->setCurrentIndex(listing_.selectedRow() - 1);
}

void DrivesList::rowPicked(int row) {
    listing_.chooseRow(row + 1);
    showChoice();
    emit DriveChanged();
}

void DrivesList::buttonClicked(int position) {
    listing_.chooseButton(position);
    showChoice();
    emit DriveChanged();
}

std::string DrivesList::GetDriveTypeName(std::int16_t type) const {
    return listing_.GetDriveTypeName(type);
}

std::int32_t DrivesList::GetBlockSize(std::int16_t deviceType, const std::string& deviceName,
                                      const std::string& deviceFileSystem) {
    return BlockSizeRule::GetBlockSize(deviceType, deviceName, deviceFileSystem);
}

void DrivesList::Lang(std::int16_t index, const std::string& text) {
    listing_.Lang(index, text);
    SourceDriveLabel->setText(QString::fromStdString(listing_.caption()));
}

void DrivesList::LangValue(const std::string& text, std::int16_t index) {
    listing_.LangValue(text, index);
    SourceDriveLabel->setText(QString::fromStdString(listing_.caption()));
}

void DrivesList::setFontCharSet(std::int16_t) {
    SourceDriveLabel->setFont(font());
    DrivesFullList->setFont(font());
}

}  // namespace quorvex
