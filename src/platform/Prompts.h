#pragma once

#include <string>

namespace quorvex {

enum class PromptIcon { None, Critical, Question, Exclamation, Information };
enum class PromptButtons { Ok, YesNo, RetryCancel };
enum class PromptAnswer { Ok, Yes, No, Retry, Cancel };

// Modal message boxes. Texts are UTF-8; a lone carriage return starts a new line.
class Prompts {
public:
    virtual ~Prompts() = default;

    virtual PromptAnswer messageBox(PromptIcon icon, PromptButtons buttons,
                                    const std::string& caption, const std::string& text) = 0;
};

}  // namespace quorvex
