#include "WizardNavigation.h"

namespace quorvex {

using namespace WizardPage;
using namespace WizardTaskNumber;

NextAction WizardNavigation::nextActionOn(std::int16_t page) {
    switch (page) {
        case Menu:
            return NextAction::MenuStep;
        case Source:
            return NextAction::SourceStep;
        case BurnSettings:
            return NextAction::BurnSettingsStep;
        case Destination:
            return NextAction::DestinationStep;
        case Burning:
            return NextAction::StartBurn;
        default:
            return NextAction::Nothing;
    }
}

std::optional<BackMove> WizardNavigation::backFrom(std::int16_t page, std::int16_t task) {
    switch (page) {
        case Source:
            return BackMove{-1, false};
        case BurnSettings:
            return BackMove{static_cast<std::int16_t>(task == CopyDiscAndBurn ? -2 : -1), false};
        case Destination:
            return BackMove{-2, false};
        case Burning:
            return BackMove{-5, true};
        case Report:
            return BackMove{-6, true};
        case History:
            return BackMove{-7, false};
        default:
            return std::nullopt;
    }
}

CancelAction WizardNavigation::cancelAction(bool copying, bool burning) {
    if (copying) return CancelAction::StopRun;
    if (burning) return CancelAction::CancelBurn;
    return CancelAction::Exit;
}

std::optional<std::int16_t> WizardNavigation::menuStepOf(std::int16_t task) {
    switch (task) {
        case ContinueRecovery:
            return Copying;
        case RecoverFiles:
        case RecoverAndBurn:
            return Source;
        case CopyDiscAndBurn:
            return BurnSettings;
        case ReportHistory:
            return History;
        default:
            return std::nullopt;
    }
}

std::int16_t WizardNavigation::taskForMenuStep(std::int16_t task) {
    return task == RecoverAndBurnThroughCopy ? RecoverAndBurn : task;
}

// Entries count from position 1, the recovery entry being the first unless the continue entry
// stands before it.
std::int16_t WizardNavigation::taskOfMenuRow(int row, const WizardState& state) {
    return static_cast<std::int16_t>(row + 1 - state.MenuIndexBase);
}

int WizardNavigation::menuRowOfTask(std::int16_t task, const WizardState& state) {
    return task + state.MenuIndexBase - 1;
}

int WizardNavigation::copyingStepNumber(std::int16_t task) {
    return task == RecoverFiles || task == RecoverAndBurnThroughCopy ? 3 : 2;
}

}  // namespace quorvex
