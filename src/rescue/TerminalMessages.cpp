#include "TerminalMessages.h"

#include "InterruptSignal.h"
#include "RecoveryTexts.h"

namespace quorvex {

TerminalMessages::TerminalMessages(Console& console, const RescueTexts& texts,
                                   const RunStatus& status)
    : console_(console), texts_(texts), status_(status) {}

PromptAnswer TerminalMessages::messageBox(PromptIcon icon, PromptButtons buttons,
                                          const std::string& caption, const std::string& text) {
    if (isDamageNotice(icon, buttons, text)) return PromptAnswer::Ok;
    const std::string shown = text.empty() ? "A file could not be read or written." : text;
    std::string note = caption + ": " + Console::lineBreaks(shown);
    if (!status_.currentItem.empty())
        note += "\n  (" + Console::printable(status_.currentItem) + ")";
    console_.note(note);
    switch (buttons) {
        case PromptButtons::RetryCancel:
            return choose("[r]etry or [c]ancel? ", 'r', PromptAnswer::Retry, 'c',
                          PromptAnswer::Cancel);
        case PromptButtons::YesNo:
            return choose("[y]es or [n]o? ", 'y', PromptAnswer::Yes, 'n', PromptAnswer::No);
        case PromptButtons::Ok:
            break;
    }
    return PromptAnswer::Ok;
}

bool TerminalMessages::isDamageNotice(PromptIcon icon, PromptButtons buttons,
                                      const std::string& text) const {
    return icon == PromptIcon::None && buttons == PromptButtons::Ok &&
           text == texts_.table()[RecoveryTexts::FileDamaged];
}

// Without anyone to answer, the second answer (Cancel, No) is taken: it never writes or
// removes anything.
PromptAnswer TerminalMessages::choose(const std::string& question, char first,
                                      PromptAnswer firstAnswer, char second,
                                      PromptAnswer secondAnswer) {
    if (!console_.interactive() || InterruptSignal::raised()) return secondAnswer;
    while (true) {
        const auto answer = console_.ask(question);
        if (!answer) return secondAnswer;
        if (*answer == std::string(1, first)) return firstAnswer;
        if (*answer == std::string(1, second)) return secondAnswer;
    }
}

}  // namespace quorvex
