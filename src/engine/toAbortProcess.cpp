#include "toAbortProcess.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "RecoveryPrompts.h"
#include "RecoveryTexts.h"

namespace quorvex {

namespace {
constexpr std::int16_t kAnswers = 4;
// The question stands on one line unless it is wider than this.
constexpr int kPadding = 16;
constexpr int kWidest = 640;
}  // namespace

toAbortProcess::toAbortProcess(const TextTable& texts, QWidget* parent)
    : QDialog(parent), Question(new QLabel(this)) {
    setObjectName("toAbortProcess");
    const auto text = [&texts](int index) { return texts[static_cast<std::size_t>(index)]; };
    setWindowTitle(QString::fromStdString(text(RecoveryTexts::AbortCaption)));
    Question->setObjectName("Question");
    Question->setText(QString::fromStdString(text(RecoveryTexts::AbortQuestion)));
    Question->setWordWrap(true);
    Question->setMinimumWidth(
        std::min(Question->fontMetrics().horizontalAdvance(Question->text()) + kPadding, kWidest));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (std::int16_t number = 0; number < kAnswers; ++number)
        addButton(*buttons, text(RecoveryTexts::AbortQuestion + 1 + number), number);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Question);
    layout->addLayout(buttons);
}

void toAbortProcess::addButton(QLayout& row, const std::string& text, std::int16_t number) {
    auto* button = new QPushButton(QString::fromStdString(text), this);
    button->setObjectName(QString("Button%1").arg(number));
    button->setDefault(number == AbortAnswer::GoOn);
    button->setAutoDefault(number == AbortAnswer::GoOn);
    connect(button, &QPushButton::clicked, this, [this, number] {
        answer_ = number;
        accept();
    });
    row.addWidget(button);
}

}  // namespace quorvex
