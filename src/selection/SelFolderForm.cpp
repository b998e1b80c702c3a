#include "SelFolderForm.h"

#include <QComboBox>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

#include "DriveNaming.h"
#include "DrivePictures.h"
#include "PathText.h"

namespace quorvex {

SelFolderForm::SelFolderForm(DriveTable& table, const SharedState& state,
                             const std::string& startFolder, QWidget* parent)
    : QDialog(parent),
      drives_(table.drives()),
      Drive1(new QComboBox(this)),
      Dir1(new QTreeView(this)),
      folders_(new QFileSystemModel(this)),
      okButton_(new QPushButton(QString::fromStdString(state.Lang_MainText[91]), this)),
      cancelButton_(new QPushButton(QString::fromStdString(state.Lang_MainText[92]), this)) {
    setWindowTitle(QString::fromStdString(state.Lang_MainText[90]));
    Drive1->setObjectName("Drive1");
    Dir1->setObjectName("Dir1");
    okButton_->setObjectName("Command1_0");
    cancelButton_->setObjectName("Command1_1");
    folders_->setFilter(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
    Dir1->setModel(folders_);
    for (int column = 1; column < folders_->columnCount(); ++column) Dir1->hideColumn(column);
    Dir1->header()->hide();
    for (const MountedVolume& drive : drives_)
        Drive1->addItem(DrivePictures::forType(drive.type),
                        PathText::toDisplay(DriveNaming::nameOf(drive.mountPoint)));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton_);
    buttons->addWidget(cancelButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Drive1);
    layout->addWidget(Dir1);
    layout->addLayout(buttons);
    okButton_->setDefault(true);
    connect(okButton_, &QPushButton::clicked, this, &SelFolderForm::accept);
    connect(cancelButton_, &QPushButton::clicked, this, &SelFolderForm::reject);
    connect(Drive1, &QComboBox::activated, this, &SelFolderForm::driveActivated);
    showFolder(startFolder);
    resize(360, 420);
}

void SelFolderForm::showFolder(const std::string& folder) {
    const MountedVolume* holder = DriveTable::volumeHolding(drives_, folder);
    if (holder == nullptr || !showDrive(static_cast<int>(holder - drives_.data()))) return;
    Drive1->setCurrentIndex(shownDrive_);
    Dir1->setCurrentIndex(folders_->index(PathText::toDisplay(folder)));
}

void SelFolderForm::driveActivated(int row) {
    // A drive that cannot be read leaves the tree as it was, without a word.
    if (!showDrive(row)) Drive1->setCurrentIndex(shownDrive_);
}

bool SelFolderForm::showDrive(int row) {
    if (row < 0 || row >= static_cast<int>(drives_.size())) return false;
    const QString root = PathText::toDisplay(drives_[static_cast<std::size_t>(row)].mountPoint);
    const QFileInfo rootFolder(root);
    if (!rootFolder.isDir() || !rootFolder.isReadable()) return false;
    shownDrive_ = row;
    Dir1->setRootIndex(folders_->setRootPath(root));
    Dir1->setCurrentIndex(Dir1->rootIndex());
    return true;
}

void SelFolderForm::accept() {
    if (shownDrive_ < 0) return;
    const QModelIndex chosen = Dir1->currentIndex();
    const std::string folder = chosen.isValid()
                                   ? PathText::fromDisplay(folders_->filePath(chosen))
                                   : drives_[static_cast<std::size_t>(shownDrive_)].mountPoint;
    chosenFolder_ = DriveNaming::rootOf(folder);
    QDialog::accept();
}

}  // namespace quorvex
