#pragma once

#include "Console.h"
#include "RecoveryPrompts.h"
#include "RescueArguments.h"
#include "RescueTexts.h"

namespace quorvex {

// The engine's questions on a terminal. An existing destination file is overwritten or kept
// as the command line says; otherwise the user is asked, and without a terminal it is kept.
class TerminalQuestions final : public RecoveryPrompts {
  public:
    TerminalQuestions(Console& console, const RescueTexts& texts, ExistingFiles existing);

    std::int16_t askAboutExistingFile(const std::string& destination) override;
    // Stopping is asked with Ctrl-C, never by the engine; its answer is the pause.
    std::int16_t askToAbort() override { return 1; }

  private:
    std::string question(const std::string& destination) const;

    Console& console_;
    const RescueTexts& texts_;
    ExistingFiles existing_;
};

}  // namespace quorvex
