#pragma once

#include "Console.h"
#include "RescueArguments.h"
#include "RescueLedger.h"
#include "RescueRoots.h"
#include "RescueTexts.h"

namespace quorvex {

// One run of the recovery engine over the items of the ledger that are still to do, with the
// terminal's prompts, progress line and Ctrl-C handling.
class RescueRun {
  public:
    RescueRun(Console& console, const RescueTexts& texts, ExistingFiles existing);

    void run(RescueLedger& ledger, const RescueRoots& roots);

  private:
    Console& console_;
    const RescueTexts& texts_;
    ExistingFiles existing_;
};

}  // namespace quorvex
