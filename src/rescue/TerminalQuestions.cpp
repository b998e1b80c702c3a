#include "TerminalQuestions.h"

#include "InterruptSignal.h"
#include "RecoveryTexts.h"

namespace quorvex {

TerminalQuestions::TerminalQuestions(Console& console, const RescueTexts& texts,
                                     ExistingFiles existing, OwnCopy ownCopy)
    : console_(console), texts_(texts), existing_(existing), ownCopy_(std::move(ownCopy)) {}

std::int16_t TerminalQuestions::askAboutExistingFile(const std::string& destination) {
    if (ownCopy_(destination)) return ExistingFileAnswer::Overwrite;
    if (existing_ == ExistingFiles::Overwrite) return ExistingFileAnswer::OverwriteAll;
    if (existing_ == ExistingFiles::Skip || !console_.interactive())
        return ExistingFileAnswer::Skip;
    return ask(destination);
}

// "Skip all" is kept here and answered as "skip" at each later file.
std::int16_t TerminalQuestions::ask(const std::string& destination) {
    while (!InterruptSignal::raised()) {
        const auto answer = console_.ask(question(destination));
        if (!answer) break;
        if (*answer == "o") return ExistingFileAnswer::Overwrite;
        if (*answer == "O") return ExistingFileAnswer::OverwriteAll;
        if (*answer == "s") return ExistingFileAnswer::Skip;
        if (*answer == "S") {
            existing_ = ExistingFiles::Skip;
            return ExistingFileAnswer::Skip;
        }
    }
    // Ctrl-C skips this file and the run stops after it; the end of the input keeps them all.
    if (!InterruptSignal::raised()) existing_ = ExistingFiles::Skip;
    return ExistingFileAnswer::Skip;
}

std::string TerminalQuestions::question(const std::string& destination) const {
    const int first = RecoveryTexts::ExistingFileQuestion;
    return texts_.pick(first, "This file already exists in the destination folder.") + "\n  " +
           Console::printable(destination) + "\n[o] " + texts_.pick(first + 1, "Overwrite") +
           "  [O] " + texts_.pick(first + 2, "Overwrite all") + "  [s] " +
           texts_.pick(first + 3, "Skip") + "  [S] " + texts_.pick(first + 4, "Skip all") + "? ";
}

}  // namespace quorvex
