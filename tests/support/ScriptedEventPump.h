#pragma once

#include <functional>
#include <vector>

#include "EventPump.h"

namespace quorvex::test {

// Runs what the test scheduled at the first event pause where its condition holds, the way a
// click on Stop arrives while events run.
class ScriptedEventPump final : public EventPump {
public:
    void when(std::function<bool()> condition, std::function<void()> action) {
        scheduled_.push_back({std::move(condition), std::move(action)});
    }

    void runPendingEvents() override {
        for (auto& [condition, action] : scheduled_) {
            if (!action || !condition()) continue;
            auto once = std::move(action);
            action = nullptr;
            once();
        }
    }

private:
    struct Scheduled {
        std::function<bool()> condition;
        std::function<void()> action;
    };
    std::vector<Scheduled> scheduled_;
};

}  // namespace quorvex::test
