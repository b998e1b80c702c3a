#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "LostRangeRetry.h"
#include "SharedState.h"
#include "WizardServices.h"

class QWidget;

namespace quorvex {

// The history page's retry of a stored run's lost ranges, after the drive has cooled down or in
// another drive: a dialog with Cancel shows while the ranges are read again (the run's file
// layer keeps the window answering during a slow read), then a message tells what came back
// and what is still lost. The stored record is brought up to date by StoredReportRetry.
class LostPartsRetry {
  public:
    // Recovery texts.
    static constexpr int Reading = 48;
    static constexpr int Outcome = 49;
    static constexpr int LeftAlone = 50;
    static constexpr int Stopped = 51;

    static void run(WizardServices& services, std::int64_t number, QWidget* parent);
    static std::string outcomeText(const TextTable& texts,
                                   const std::vector<LostRangeRetry::FileOutcome>& outcomes,
                                   bool stopped);
};

}  // namespace quorvex
