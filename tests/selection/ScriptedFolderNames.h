#pragma once

#include <deque>

#include "FolderNamePrompt.h"

namespace quorvex::test {

// Answers the new-folder prompt with the scripted names in order, then with "" (cancelled).
class ScriptedFolderNames final : public FolderNamePrompt {
public:
    void answerWith(const std::string& name) { answers_.push_back(name); }

    std::string askFolderName(const std::string&, const std::string&) override {
        if (answers_.empty()) return {};
        std::string answer = answers_.front();
        answers_.pop_front();
        return answer;
    }

private:
    std::deque<std::string> answers_;
};

}  // namespace quorvex::test
