#include "StepCaptions.h"

#include "WizardNavigation.h"

namespace quorvex {

namespace {

// Button captions carry two blanks in front of the text.
std::string button(const TextTable& texts, int index) {
    return "  " + texts[index];
}

std::string step(const TextTable& texts, const char* number, int index) {
    return texts[39] + number + texts[index];
}

}  // namespace

StepCaptionSet StepCaptions::forPage(std::int16_t page, std::int16_t task, const TextTable& texts) {
    StepCaptionSet set;
    putButtons(set, page, texts);
    putBurnSteps(set, task, texts);
    return set;
}

std::string StepCaptions::copyingStep(std::int16_t task, const TextTable& texts) {
    return texts[39] + " " + std::to_string(WizardNavigation::copyingStepNumber(task)) + ".   " +
           texts[41];
}

void StepCaptions::putButtons(StepCaptionSet& set, std::int16_t page, const TextTable& texts) {
    using namespace WizardPage;
    const auto put = [&](int back, int next, int cancel) {
        set.back = button(texts, back);
        set.next = button(texts, next);
        set.cancel = button(texts, cancel);
    };
    switch (page) {
        case Menu:
        case Source:
        case Destination:
            put(37, 38, 36);
            break;
        case Copying:
            put(37, 38, 35);
            break;
        case Burning:
            put(61, 34, 36);
            break;
        case Report:
            put(61, 38, 36);
            break;
        default:
            break;
    }
}

void StepCaptions::putBurnSteps(StepCaptionSet& set, std::int16_t task, const TextTable& texts) {
    using namespace WizardTaskNumber;
    switch (task) {
        case CopyDiscAndBurn:
            set.burnSettingsStep = step(texts, " 1.   ", 123);
            set.burningStep = step(texts, " 3.   ", 130);
            break;
        case RecoverAndBurn:
            set.burnSettingsStep = step(texts, " 2.   ", 115);
            set.burningStep = step(texts, " 2.   ", 130);
            break;
        case RecoverAndBurnThroughCopy:
            set.burnSettingsStep = step(texts, " 2.   ", 115);
            set.burningStep = step(texts, " 4.   ", 130);
            break;
        default:
            break;
    }
}

}  // namespace quorvex
