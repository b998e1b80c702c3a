#include "IfFileExist.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "PathText.h"
#include "ProgramConfig.h"
#include "RecoveryPrompts.h"
#include "RecoveryTexts.h"

namespace quorvex {

namespace {
// The question stands on one line and the path box is as wide as the path, within these
// bounds; a longer question wraps and a longer path scrolls.
constexpr int kPathPadding = 16;
constexpr int kNarrowestPath = 420;
constexpr int kWidestPath = 700;
}  // namespace

IfFileExist::IfFileExist(const TextTable& texts, const std::string& destination, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      FormPrompt(new QLabel(this)),
      ExFile(new QLineEdit(this)) {
    setObjectName("IfFileExist");
    setWindowTitle(ProgramConfig::Title);
    const auto text = [&texts](int index) { return texts[static_cast<std::size_t>(index)]; };
    FormPrompt->setObjectName("FormPrompt");
    FormPrompt->setText(QString::fromStdString(text(RecoveryTexts::ExistingFileQuestion)));
    FormPrompt->setWordWrap(true);
    FormPrompt->setMinimumWidth(
        std::min(FormPrompt->fontMetrics().horizontalAdvance(FormPrompt->text()) + kPathPadding,
                 kWidestPath));
    ExFile->setObjectName("ExFile");
    ExFile->setReadOnly(true);
    ExFile->setText(PathText::toDisplay(destination));
    ExFile->setToolTip(ExFile->text());
    ExFile->setCursorPosition(0);
    ExFile->setMinimumWidth(
        std::clamp(ExFile->fontMetrics().horizontalAdvance(ExFile->text()) + kPathPadding,
                   kNarrowestPath, kWidestPath));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    const int first = RecoveryTexts::ExistingFileQuestion + 1;
    addButton(*buttons, text(first), ExistingFileAnswer::Overwrite);
    addButton(*buttons, text(first + 1), ExistingFileAnswer::OverwriteAll);
    addButton(*buttons, text(first + 2), ExistingFileAnswer::Skip);
    addButton(*buttons, text(first + 3), ExistingFileAnswer::SkipAll);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(FormPrompt);
    layout->addWidget(ExFile);
    layout->addLayout(buttons);
}

// Escape and the window manager's close request both end up here; neither is an answer.
void IfFileExist::reject() {}

void IfFileExist::addButton(QLayout& row, const std::string& text, std::int16_t number) {
    auto* button = new QPushButton(QString::fromStdString(text), this);
    button->setObjectName(QString("Button%1").arg(number));
    button->setDefault(number == ExistingFileAnswer::Skip);
    button->setAutoDefault(number == ExistingFileAnswer::Skip);
    connect(button, &QPushButton::clicked, this, [this, number] {
        answer_ = number;
        accept();
    });
    row.addWidget(button);
}

}  // namespace quorvex
