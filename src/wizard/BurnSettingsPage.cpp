#include "BurnSettingsPage.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "FileSystemMethods.h"
#include "PathText.h"
#include "SelFolderForm.h"

namespace quorvex {

namespace {
QString shown(const std::string& text) {
    return QString::fromStdString(text);
}
}  // namespace

BurnSettingsPage::BurnSettingsPage(WizardServices& services, QWidget* parent)
    : QWidget(parent),
      services_(services),
      tip_(new QLabel(this)),
      tabs_(new QTabWidget(this)),
      banner_(new BannerBox("Adv2nd", this)) {
    tip_->setObjectName("Tips_5");
    tip_->setWordWrap(true);
    tabs_->setObjectName("CDRipTabStrip");
    discFrame_ = buildDiscFrame();
    folderFrame_ = buildFolderFrame();
    showTabs(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tip_);
    layout->addWidget(tabs_, 1);
    layout->addWidget(banner_);
    connect(browse_, &QPushButton::clicked, this, &BurnSettingsPage::chooseFolder);
    connect(tabs_, &QTabWidget::tabBarClicked, this, &BurnSettingsPage::tabChosen);
    showDrives();
}

void BurnSettingsPage::showTabs(bool discTab) {
    const QSignalBlocker quiet(tabs_);
    tabs_->clear();
    if (discTab) tabs_->addTab(discFrame_, shown(services_.state.Lang_MainText[19]));
    tabs_->addTab(folderFrame_, shown(services_.state.Lang_MainText[20]));
    tabs_->setCurrentIndex(0);
}

// The folder tab shows the fixed drives as they are now.
void BurnSettingsPage::tabChosen(int index) {
    if (tabs_->widget(index) == folderFrame_) showFixedDrives();
}

std::string BurnSettingsPage::chosenDisc() const {
    return sourceDrives_->currentData().toString().toStdString();
}

QWidget* BurnSettingsPage::buildDiscFrame() {
    auto* frame = new QWidget(this);
    frame->setObjectName("CDRipFrame_0");
    discLabel_ = new QLabel(frame);
    discLabel_->setObjectName("Label6_0");
    discLabel_->setWordWrap(true);
    sourceDrives_ = new QComboBox(frame);
    sourceDrives_->setObjectName("SourceDrives");
    discLabel_->setBuddy(sourceDrives_);
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(discLabel_);
    layout->addWidget(sourceDrives_);
    layout->addStretch(1);
    return frame;
}

QWidget* BurnSettingsPage::buildFolderFrame() {
    auto* frame = new QWidget(this);
    frame->setObjectName("CDRipFrame_1");
    folderLabel_ = new QLabel(frame);
    folderLabel_->setObjectName("Label6_3");
    tempFolder_ = new QLineEdit(frame);
    tempFolder_->setObjectName("TempFolder_0");
    tempFolder_->setReadOnly(true);
    folderLabel_->setBuddy(tempFolder_);
    browse_ = new QPushButton(frame);
    browse_->setObjectName("Command2");
    drivesLabel_ = new QLabel(frame);
    drivesLabel_->setObjectName("Label6_1");
    driveList_ = new QTreeWidget(frame);
    driveList_->setObjectName("DriveList");
    driveList_->setRootIsDecorated(false);
    drivesLabel_->setBuddy(driveList_);
    auto* layout = new QGridLayout(frame);
    layout->addWidget(folderLabel_, 0, 0, 1, 2);
    layout->addWidget(tempFolder_, 1, 0);
    layout->addWidget(browse_, 1, 1);
    layout->addWidget(drivesLabel_, 2, 0, 1, 2);
    layout->addWidget(driveList_, 3, 0, 1, 2);
    layout->setColumnStretch(0, 1);
    layout->setRowStretch(3, 1);
    return frame;
}

void BurnSettingsPage::applyTexts(const SharedState& state) {
    const TextTable& text = state.Lang_MainText;
    tabs_->setTabText(tabs_->indexOf(discFrame_), shown(text[19]));
    tabs_->setTabText(tabs_->indexOf(folderFrame_), shown(text[20]));
    discLabel_->setText(shown(text[30]));
    folderLabel_->setText(shown(text[28]));
    drivesLabel_->setText(shown(text[29]));
    browse_->setText(shown(text[31]));
    banner_->showTexts(state);
}

void BurnSettingsPage::showDrives() {
    sourceDrives_->clear();
    for (const MountedVolume& drive : services_.drives.drives())
        if (drive.type == DriveType::CdRom)
            sourceDrives_->addItem(PathText::toDisplay(drive.mountPoint),
                                   QString::fromStdString(drive.mountPoint));
    showFixedDrives();
}

void BurnSettingsPage::showFixedDrives() {
    const DriveTableRows table = FileSystemMethods::FillDriveTable(services_.drives);
    driveList_->clear();
    QStringList headers;
    for (const DriveTableRows::Column& column : table.columns) headers << shown(column.caption);
    driveList_->setHeaderLabels(headers);
    for (const DriveTableRows::Row& row : table.rows) {
        auto* item = new QTreeWidgetItem(driveList_);
        for (std::size_t column = 0; column < row.size(); ++column)
            item->setText(static_cast<int>(column), PathText::toDisplay(row[column]));
    }
    for (int column = 0; column < driveList_->columnCount(); ++column)
        driveList_->resizeColumnToContents(column);
}

std::string BurnSettingsPage::tempFolder() const {
    return PathText::fromDisplay(tempFolder_->text());
}

void BurnSettingsPage::setTempFolder(const std::string& folder) {
    tempFolder_->setText(PathText::toDisplay(folder));
}

void BurnSettingsPage::chooseFolder() {
    SelFolderForm form(services_.drives, services_.state, tempFolder(), this);
    form.exec();
    if (!form.chosenFolder().empty()) setTempFolder(form.chosenFolder());
}

}  // namespace quorvex
