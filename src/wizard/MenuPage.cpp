#include "MenuPage.h"

#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

#include "ProgramPictures.h"
#include "WizardNavigation.h"

namespace quorvex {

namespace {

QString text(const TextTable& texts, int index) {
    return QString::fromStdString(texts[index]);
}

// The entries after the recovery entry: task and caption.
struct MenuEntry {
    std::int16_t task;
    int caption;
};
constexpr MenuEntry kContinueEntry{WizardTaskNumber::ContinueRecovery, 126};
constexpr MenuEntry kEntries[] = {{WizardTaskNumber::RecoverFiles, 8},
                                  {WizardTaskNumber::CopyDiscAndBurn, 14},
                                  {WizardTaskNumber::RecoverAndBurn, 15},
                                  {WizardTaskNumber::ReportHistory, 16}};

QLabel* label(const char* name, QWidget* parent) {
    auto* shown = new QLabel(parent);
    shown->setObjectName(name);
    shown->setWordWrap(true);
    return shown;
}

}  // namespace

MenuPage::MenuPage(QWidget* parent)
    : QWidget(parent),
      Label5_0(label("Label5_0", this)),
      Label5_1(label("Label5_1", this)),
      MainMenu(new QListWidget(this)),
      DesignC(label("DesignC", this)),
      Tips_4(label("Tips_4", this)) {
    QFont heading = Label5_0->font();
    heading.setPointSizeF(heading.pointSizeF() * 1.4);
    heading.setBold(true);
    Label5_0->setFont(heading);
    MainMenu->setObjectName("MainMenu");
    MainMenu->setViewMode(QListView::IconMode);
    MainMenu->setIconSize(ProgramPictures::MenuIconSize);
    MainMenu->setGridSize({142, 118});
    MainMenu->setWordWrap(true);
    MainMenu->setMovement(QListView::Static);
    MainMenu->setResizeMode(QListView::Adjust);
    MainMenu->setSelectionMode(QAbstractItemView::SingleSelection);
    // The tasks stand on the page itself, as tiles.
    MainMenu->setFrameShape(QFrame::NoFrame);
    QPalette tiles = MainMenu->palette();
    tiles.setColor(QPalette::Base, tiles.color(QPalette::Window));
    MainMenu->setPalette(tiles);
    MainMenu->setSpacing(4);
    DesignC->setTextFormat(Qt::RichText);
    DesignC->setCursor(Qt::PointingHandCursor);
    DesignC->setFocusPolicy(Qt::TabFocus);
    DesignC->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    DesignC->setWordWrap(false);
    connect(DesignC, &QLabel::linkActivated, this, &MenuPage::aboutRequested);
    connect(MainMenu, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { emit entryClicked(MainMenu->row(item)); });
    connect(MainMenu, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0) emit entryClicked(row);
    });
    connect(MainMenu, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { emit entryChosen(MainMenu->row(item)); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label5_0);
    layout->addWidget(Label5_1);
    layout->addSpacing(6);
    layout->addWidget(MainMenu, 1);
    layout->addWidget(DesignC, 0, Qt::AlignRight);
    layout->addWidget(Tips_4);
}

void MenuPage::applyTexts(const SharedState& state) {
    const TextTable& texts = state.Lang_MainText;
    Label5_0->setText(text(texts, 6));
    Label5_1->setText(text(texts, 5));
    DesignC->setText("<a href=\"about\">" + text(texts, 4).toHtmlEscaped() + "</a>");
    DesignC->setAccessibleName(text(texts, 4));
    Tips_4->setText(text(texts, 7));
}

void MenuPage::FillMainMenu(std::int16_t, const WizardState& navigation, const TextTable& texts) {
    const int selected = selectedRow();
    const QSignalBlocker quiet(MainMenu);
    MainMenu->clear();
    const auto add = [&](const MenuEntry& entry) {
        auto* item = new QListWidgetItem(ProgramPictures::menuIcon(entry.task),
                                         text(texts, entry.caption), MainMenu);
        item->setTextAlignment(Qt::AlignHCenter | Qt::AlignTop);
        item->setForeground(palette().color(QPalette::Text));
    };
    if (navigation.MenuIndexBase == 1) add(kContinueEntry);
    for (const MenuEntry& entry : kEntries) add(entry);
    if (selected >= 0 && selected < MainMenu->count()) MainMenu->setCurrentRow(selected);
}

int MenuPage::selectedRow() const {
    const QList<QListWidgetItem*> selected = MainMenu->selectedItems();
    return selected.isEmpty() ? -1 : MainMenu->row(selected.front());
}

void MenuPage::selectRow(int row) {
    if (row >= 0 && row < MainMenu->count()) MainMenu->setCurrentRow(row);
}

}  // namespace quorvex
