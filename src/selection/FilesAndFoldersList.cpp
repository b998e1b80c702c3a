#include "FilesAndFoldersList.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QStackedWidget>
#include <QStyle>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "BrowserTexts.h"
#include "PathText.h"

namespace quorvex {

namespace {

constexpr int kListPage = 0;
constexpr int kErrorPage = 1;
constexpr int kRowRole = Qt::UserRole;

}  // namespace

FilesAndFoldersList::FilesAndFoldersList(BrowserServices services, Shell& shell, QWidget* parent)
    : QWidget(parent),
      languages_(services.languages),
      browser_(services),
      items_(services.prompts, services.events, browser_.Lang_FFText),
      pictures_(shell) {
    buildParts();
    browser_.setChanged([this] { showBrowser(); });
    items_.setCaption(
        [this](const std::string& caption) { pathCaption_->setText(displayText(caption)); });
    connect(back_, &QAction::triggered, this, [this] { browser_.back(); });
    connect(up_, &QAction::triggered, this, [this] { browser_.up(); });
    connect(newFolder_, &QAction::triggered, this, [this] { newFolder(); });
    connect(filesList_, &QTreeWidget::itemDoubleClicked, this, [this] { openCurrentRow(); });
    filesList_->installEventFilter(this);
    showBrowser();
}

void FilesAndFoldersList::buildParts() {
    auto* tools = new QToolBar(this);
    back_ = tools->addAction(style()->standardIcon(QStyle::SP_ArrowBack), {});
    up_ = tools->addAction(style()->standardIcon(QStyle::SP_FileDialogToParent), {});
    newFolder_ = tools->addAction(style()->standardIcon(QStyle::SP_FileDialogNewFolder), {});
    pathCaption_ = new QLineEdit(this);
    pathCaption_->setReadOnly(true);
    filesList_ = new QTreeWidget(this);
    filesList_->setHeaderLabels({QStringLiteral("File Name"), QStringLiteral("Date Time")});
    filesList_->setRootIsDecorated(false);
    filesList_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    errorCaption_ = new QLabel(this);
    errorCaption_->setAlignment(Qt::AlignCenter);
    errorCaption_->setWordWrap(true);
    errorCaption_->setFrameShape(QFrame::StyledPanel);
    pages_ = new QStackedWidget(this);
    pages_->insertWidget(kListPage, filesList_);
    pages_->insertWidget(kErrorPage, errorCaption_);
    auto* top = new QHBoxLayout;
    top->addWidget(tools);
    top->addWidget(pathCaption_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(top);
    layout->addWidget(pages_, 1);
}

void FilesAndFoldersList::showBrowser() {
    pictures_.catchUp(browser_.pictureSources());
    filesList_->clear();
    const std::vector<BrowserRow>& rows = browser_.rows();
    for (std::size_t row = 0; row < rows.size(); ++row) {
        auto* item = new QTreeWidgetItem(filesList_, {displayText(rows[row].name)});
        item->setIcon(0, pictures_.picture(rows[row].picture));
        item->setData(0, kRowRole, static_cast<qulonglong>(row));
    }
    pathCaption_->setText(displayText(browser_.caption()));
    errorCaption_->setText(QString::fromStdString(browser_.errorCaption()));
    pages_->setCurrentIndex(browser_.errorShown() ? kErrorPage : kListPage);
    showButtons();
}

void FilesAndFoldersList::showButtons() {
    back_->setEnabled(browser_.backEnabled());
    up_->setEnabled(browser_.upEnabled());
    newFolder_->setEnabled(true);
}

void FilesAndFoldersList::setShowHidden(bool show) {
    browser_.ShowHidden = show;
    items_.ShowHidden = show;
}

bool FilesAndFoldersList::AllowCreateFolders() const { return newFolder_->isVisible(); }

void FilesAndFoldersList::setAllowCreateFolders(bool allow) { newFolder_->setVisible(allow); }

bool FilesAndFoldersList::AllowMultySelect() const {
    return filesList_->selectionMode() == QAbstractItemView::ExtendedSelection;
}

void FilesAndFoldersList::setAllowMultySelect(bool allow) {
    filesList_->setSelectionMode(allow ? QAbstractItemView::ExtendedSelection
                                       : QAbstractItemView::SingleSelection);
}

// The host sets no tool tips, so the loaded texts give them.
void FilesAndFoldersList::LoadLang(std::int16_t language) {
    languages_.LoadLanguageFile(Languages::BrowserFile, language, browser_.Lang_FFText, 1);
    const TextTable& texts = browser_.Lang_FFText;
    back_->setToolTip(QString::fromStdString(texts[BrowserText::BackTip]));
    up_->setToolTip(QString::fromStdString(texts[BrowserText::UpTip]));
    newFolder_->setToolTip(QString::fromStdString(texts[BrowserText::NewFolderTitle]));
}

void FilesAndFoldersList::setLang_FFValue(std::int16_t index, const std::string& text) {
    const QString tip = QString::fromStdString(text);
    if (index == BrowserText::NewFolderTitle) return newFolder_->setToolTip(tip);
    if (index == BrowserText::BackTip) return back_->setToolTip(tip);
    if (index == BrowserText::UpTip) return up_->setToolTip(tip);
    if (index < 0 || index >= static_cast<std::int16_t>(browser_.Lang_FFText.size())) return;
    browser_.Lang_FFText[static_cast<std::size_t>(index)] = text;
    if (index == BrowserText::CurrentFolder)
        pathCaption_->setText(tip + QStringLiteral(": ") + displayText(CurrentPath()));
}

QAction* FilesAndFoldersList::navigationButton(int number) const {
    return number == 1 ? back_ : number == 2 ? up_ : number == 3 ? newFolder_ : nullptr;
}

bool FilesAndFoldersList::errorShown() const { return pages_->currentIndex() == kErrorPage; }

QString FilesAndFoldersList::errorCaption() const { return errorCaption_->text(); }

// Control characters in names are shown as symbols, so that every row stays one line: a tab
// as an arrow to a bar, a line break as a return arrow, any other as the replacement sign.
QString FilesAndFoldersList::displayText(const std::string& bytes) {
    QString text = PathText::toDisplay(bytes);
    for (QChar& c : text) {
        if (c.unicode() >= 0x20) continue;
        if (c == u'\t') c = QChar(0x21E5);
        else if (c == u'\n' || c == u'\r') c = QChar(0x21B5);
        else c = QChar::ReplacementCharacter;
    }
    return text;
}

}  // namespace quorvex
