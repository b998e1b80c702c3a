#include "TerminalQuestions.h"

#include "InterruptSignal.h"
#include "RecoveryTexts.h"

namespace quorvex {

namespace {

constexpr std::int16_t kOverwrite = 1;
constexpr std::int16_t kOverwriteAll = 10;
constexpr std::int16_t kSkip = 2;
constexpr std::int16_t kSkipAll = 20;

}  // namespace

TerminalQuestions::TerminalQuestions(Console& console, const RescueTexts& texts,
                                     ExistingFiles existing)
    : console_(console), texts_(texts), existing_(existing) {}

std::int16_t TerminalQuestions::askAboutExistingFile(const std::string& destination) {
    if (existing_ == ExistingFiles::Overwrite) return kOverwriteAll;
    if (existing_ == ExistingFiles::Skip || !console_.interactive()) return kSkipAll;
    while (!InterruptSignal::raised()) {
        const auto answer = console_.ask(question(destination));
        if (!answer) break;
        if (*answer == "o") return kOverwrite;
        if (*answer == "O") return kOverwriteAll;
        if (*answer == "s") return kSkip;
        if (*answer == "S") return kSkipAll;
    }
    // Ctrl-C skips this file and the run stops after it; the end of the input keeps them all.
    return InterruptSignal::raised() ? kSkip : kSkipAll;
}

std::string TerminalQuestions::question(const std::string& destination) const {
    const int first = RecoveryTexts::ExistingFileQuestion;
    return texts_.pick(first, "This file already exists in the destination folder.") + "\n  " +
           Console::printable(destination) + "\n[o] " + texts_.pick(first + 1, "Overwrite") +
           "  [O] " + texts_.pick(first + 2, "Overwrite all") + "  [s] " +
           texts_.pick(first + 3, "Skip") + "  [S] " + texts_.pick(first + 4, "Skip all") + "? ";
}

}  // namespace quorvex
