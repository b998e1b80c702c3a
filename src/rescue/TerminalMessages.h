#pragma once

#include "Console.h"
#include "Prompts.h"
#include "RescueTexts.h"
#include "RunStatus.h"

namespace quorvex {

// The engine's message boxes on a terminal: the text goes to standard error with the item it
// is about, and a Retry/Cancel question is asked only when someone can answer it; otherwise,
// and once Ctrl-C was pressed, the answer is Cancel. The notice after a damaged file is left
// to the run's observer, which prints the file with its lost ranges.
class TerminalMessages final : public Prompts {
  public:
    TerminalMessages(Console& console, const RescueTexts& texts, const RunStatus& status);

    PromptAnswer messageBox(PromptIcon icon, PromptButtons buttons, const std::string& caption,
                            const std::string& text) override;

  private:
    bool isDamageNotice(PromptIcon icon, PromptButtons buttons, const std::string& text) const;
    PromptAnswer choose(const std::string& question, char first, PromptAnswer firstAnswer,
                        char second, PromptAnswer secondAnswer);

    Console& console_;
    const RescueTexts& texts_;
    const RunStatus& status_;
};

}  // namespace quorvex
