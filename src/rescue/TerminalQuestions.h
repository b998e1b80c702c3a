#pragma once

#include <functional>

#include "Console.h"
#include "RecoveryPrompts.h"
#include "RescueArguments.h"
#include "RescueTexts.h"

namespace quorvex {

// The engine's questions on a terminal. A partial copy this job made itself is replaced
// without asking. Any other existing destination file is overwritten or kept as the command
// line says; otherwise the user is asked, and without a terminal it is kept. The engine is
// asked again at every file, so that a job's own partial copies are told apart from files kept
// by "skip all".
class TerminalQuestions final : public RecoveryPrompts {
  public:
    using OwnCopy = std::function<bool(const std::string& destination)>;

    TerminalQuestions(Console& console, const RescueTexts& texts, ExistingFiles existing,
                      OwnCopy ownCopy);

    std::int16_t askAboutExistingFile(const std::string& destination) override;
    // Stopping is asked with Ctrl-C, never by the engine; its answer is the pause.
    std::int16_t askToAbort() override { return 1; }

  private:
    std::int16_t ask(const std::string& destination);
    std::string question(const std::string& destination) const;

    Console& console_;
    const RescueTexts& texts_;
    ExistingFiles existing_;
    OwnCopy ownCopy_;
};

}  // namespace quorvex
