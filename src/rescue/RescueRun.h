#pragma once

#include "Console.h"
#include "DestinationCheck.h"
#include "JobKeeper.h"
#include "RescueArguments.h"
#include "RescueLedger.h"
#include "RescueRoots.h"
#include "RescueTexts.h"

namespace quorvex {

// One run of the recovery engine over the items of the ledger that are still to do, with the
// terminal's prompts, progress line and Ctrl-C handling. Reads and writes run on a worker
// thread of the file layer, so that Ctrl-C is answered while the medium blocks. The job saver,
// when a job file was named, keeps the job file in step with the run.
class RescueRun {
  public:
    RescueRun(Console& console, const RescueTexts& texts, ExistingFiles existing,
              bool sectorPass = true);

    void run(RescueLedger& ledger, const RescueRoots& roots, JobKeeper* saver,
             DestinationCheck* destination);

  private:
    Console& console_;
    const RescueTexts& texts_;
    ExistingFiles existing_;
    bool sectorPass_ = true;
};

}  // namespace quorvex
