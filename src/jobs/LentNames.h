#pragma once

#include <cstdint>

#include "RecoveryJob.h"
#include "RescueLedger.h"

namespace quorvex {

// The engine's list holds the ledger's names while the run goes; they go back as it ends, also
// when it ends by an exception, before the list itself goes.
class LentNames {
  public:
    LentNames(RescueLedger& ledger, RecoveryJob& engineJob)
        : ledger_(ledger), count_(ledger.lend(engineJob)) {}
    ~LentNames() { ledger_.takeBack(); }
    LentNames(const LentNames&) = delete;
    LentNames& operator=(const LentNames&) = delete;

    // How many items the engine's list got.
    std::int32_t count() const { return count_; }

  private:
    RescueLedger& ledger_;
    const std::int32_t count_;
};

}  // namespace quorvex
