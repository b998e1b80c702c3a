#pragma once

#include <cstdint>
#include <optional>

#include "WizardState.h"

namespace quorvex {

// The pages of the wizard.
namespace WizardPage {
constexpr std::int16_t Menu = 0;
constexpr std::int16_t Source = 1;
constexpr std::int16_t BurnSettings = 2;
constexpr std::int16_t Destination = 3;
constexpr std::int16_t Copying = 4;
constexpr std::int16_t Burning = 5;
constexpr std::int16_t Report = 6;
constexpr std::int16_t History = 7;
constexpr int Count = 8;
}  // namespace WizardPage

// The tasks of the menu page.
namespace WizardTaskNumber {
constexpr std::int16_t ContinueRecovery = 0;
constexpr std::int16_t RecoverFiles = 1;
constexpr std::int16_t CopyDiscAndBurn = 2;
constexpr std::int16_t RecoverAndBurn = 3;
constexpr std::int16_t ReportHistory = 4;
// Task 3 after the user chose to copy to a temporary folder first.
constexpr std::int16_t RecoverAndBurnThroughCopy = 6;
}  // namespace WizardTaskNumber

// What Next does on a page.
// On the burning page Next (captioned "Burn") starts the burn as the page's own button does.
enum class NextAction { MenuStep, SourceStep, BurnSettingsStep, DestinationStep, StartBurn, Nothing };

// What Cancel does, by what is going on.
enum class CancelAction { StopRun, CancelBurn, Exit };

// A move of Back: the page step and whether the temporary copy folder goes first.
struct BackMove {
    std::int16_t pageStep = 0;
    bool removesTempCopyFolder = false;
};

// The wizard's page and task tables as plain rules over the navigation state.
class WizardNavigation {
  public:
    static NextAction nextActionOn(std::int16_t page);
    // None on a page Back does not leave (the menu and the copying page).
    static std::optional<BackMove> backFrom(std::int16_t page, std::int16_t task);
    static CancelAction cancelAction(bool copying, bool burning);
    // The page step of the menu step for a task; none for a task the menu does not offer.
    static std::optional<std::int16_t> menuStepOf(std::int16_t task);
    // The first step of the menu step: a task that went through the temporary copy is task 3
    // again.
    static std::int16_t taskForMenuStep(std::int16_t task);
    // Rows of the menu list count from 0.
    static std::int16_t taskOfMenuRow(int row, const WizardState& state);
    static int menuRowOfTask(std::int16_t task, const WizardState& state);
    // The number of the copying step in the labels of a run's pages: 3 or 2.
    static int copyingStepNumber(std::int16_t task);
};

}  // namespace quorvex
