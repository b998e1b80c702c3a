#include "QtPrompts.h"

#include <QMessageBox>

namespace quorvex {

namespace {

QMessageBox::Icon iconFor(PromptIcon icon) {
    switch (icon) {
        case PromptIcon::None: return QMessageBox::NoIcon;
        case PromptIcon::Critical: return QMessageBox::Critical;
        case PromptIcon::Question: return QMessageBox::Question;
        case PromptIcon::Exclamation: return QMessageBox::Warning;
        case PromptIcon::Information: return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
}

QString displayText(const std::string& text) {
    QString shown = QString::fromStdString(text);
    shown.replace("\r\n", "\n");
    shown.replace('\r', '\n');
    return shown;
}

// The safe answer is the default: a question is never answered Yes by a stray Enter, and a
// Yes/No question has no escape, so it cannot be closed without an answer.
void addButtons(QMessageBox& box, PromptButtons buttons) {
    switch (buttons) {
        case PromptButtons::Ok:
            box.setStandardButtons(QMessageBox::Ok);
            box.setEscapeButton(QMessageBox::Ok);
            break;
        case PromptButtons::YesNo:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            box.setDefaultButton(QMessageBox::No);
            break;
        case PromptButtons::RetryCancel:
            box.setStandardButtons(QMessageBox::Retry | QMessageBox::Cancel);
            box.setDefaultButton(QMessageBox::Retry);
            box.setEscapeButton(QMessageBox::Cancel);
            break;
    }
}

PromptAnswer answerFor(int button) {
    switch (button) {
        case QMessageBox::Yes: return PromptAnswer::Yes;
        case QMessageBox::No: return PromptAnswer::No;
        case QMessageBox::Retry: return PromptAnswer::Retry;
        case QMessageBox::Cancel: return PromptAnswer::Cancel;
        default: return PromptAnswer::Ok;
    }
}

}  // namespace

QtPrompts::QtPrompts(QWidget* parent) : parent_(parent) {}

PromptAnswer QtPrompts::messageBox(PromptIcon icon, PromptButtons buttons,
                                   const std::string& caption, const std::string& text) {
    QMessageBox box(iconFor(icon), QString::fromStdString(caption), displayText(text),
                    QMessageBox::NoButton, parent_);
    addButtons(box, buttons);
    return answerFor(box.exec());
}

}  // namespace quorvex
