#pragma once

#include <deque>

#include "FolderNamePrompt.h"

namespace quorvex::test {

// Answers the new-folder prompt with the scripted names in order, then with "" (cancelled),
// and records the last prompt and title shown.
class ScriptedFolderNames final : public FolderNamePrompt {
public:
    void answerWith(const std::string& name) { answers_.push_back(name); }

    std::string askFolderName(const std::string& prompt, const std::string& title) override {
        lastPrompt = prompt;
        lastTitle = title;
        if (answers_.empty()) return {};
        std::string answer = answers_.front();
        answers_.pop_front();
        return answer;
    }

    std::string lastPrompt;
    std::string lastTitle;

private:
    std::deque<std::string> answers_;
};

}  // namespace quorvex::test
