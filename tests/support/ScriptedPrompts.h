#pragma once

#include <deque>
#include <string>
#include <vector>

#include "Prompts.h"

namespace quorvex::test {

struct ShownMessage {
    PromptIcon icon;
    PromptButtons buttons;
    std::string caption;
    std::string text;
};

// Records every message box and answers with the scripted answers in order, then with Ok.
class ScriptedPrompts final : public Prompts {
public:
    void answerWith(PromptAnswer answer) { answers_.push_back(answer); }
    const std::vector<ShownMessage>& shown() const { return shown_; }

    PromptAnswer messageBox(PromptIcon icon, PromptButtons buttons, const std::string& caption,
                            const std::string& text) override {
        shown_.push_back({icon, buttons, caption, text});
        if (answers_.empty()) return PromptAnswer::Ok;
        const PromptAnswer answer = answers_.front();
        answers_.pop_front();
        return answer;
    }

private:
    std::deque<PromptAnswer> answers_;
    std::vector<ShownMessage> shown_;
};

}  // namespace quorvex::test
