#pragma once

#include <deque>
#include <string>
#include <vector>

#include "RecoveryPrompts.h"

namespace quorvex::test {

// Answers the overwrite and stop questions as scripted and records what was asked.
class ScriptedRecoveryPrompts final : public RecoveryPrompts {
public:
    void answerExistingFile(std::int16_t answer) { existing_.push_back(answer); }
    void answerAbort(std::int16_t answer) { abort_.push_back(answer); }
    const std::vector<std::string>& askedAbout() const { return askedAbout_; }

    std::int16_t askAboutExistingFile(const std::string& destination) override {
        askedAbout_.push_back(destination);
        return next(existing_, 1);
    }
    std::int16_t askToAbort() override { return next(abort_, 0); }

private:
    static std::int16_t next(std::deque<std::int16_t>& answers, std::int16_t otherwise) {
        if (answers.empty()) return otherwise;
        const std::int16_t answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::deque<std::int16_t> existing_;
    std::deque<std::int16_t> abort_;
    std::vector<std::string> askedAbout_;
};

}  // namespace quorvex::test
