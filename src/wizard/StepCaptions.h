#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "SharedState.h"

namespace quorvex {

// The captions SetStepCaptions puts on the window; an empty field leaves its control as it is.
struct StepCaptionSet {
    std::optional<std::string> back;
    std::optional<std::string> next;
    std::optional<std::string> cancel;
    // The step labels of the burn-settings page (Tips_5) and of the burning page (Tips_6).
    std::optional<std::string> burnSettingsStep;
    std::optional<std::string> burningStep;
};

// The navigation buttons' captions by page and the burn pages' step labels by task.
class StepCaptions {
  public:
    static StepCaptionSet forPage(std::int16_t page, std::int16_t task, const TextTable& texts);
    // The copying page's label when a run starts: "Step 3.   Copying ...".
    static std::string copyingStep(std::int16_t task, const TextTable& texts);

  private:
    static void putButtons(StepCaptionSet& set, std::int16_t page, const TextTable& texts);
    static void putBurnSteps(StepCaptionSet& set, std::int16_t task, const TextTable& texts);
};

}  // namespace quorvex
