#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "DestinationCheck.h"
#include "JobKeeper.h"
#include "MonotonicClock.h"
#include "RecoveryEngine.h"
#include "RescueLedger.h"

namespace quorvex {

// Follows a run for the job: tells the ledger as each file starts and ends and, during a long
// file, the offset it reached, and has the job keeper (a job file, the report history) keep the
// job in step. Without a keeper only the ledger is kept.
//
// The offset the engine reached is on the disk (or lost) when the engine lets events run between
// its blocks; while a read or write still waits, the block in hand may not be written yet, so
// only the offset seen between blocks is ever saved.
class JobRecorder {
  public:
    static constexpr double CheckpointSeconds = 5.0;

    JobRecorder(RescueLedger& ledger, const RecoveryEngine& engine, const MonotonicClock& clock,
                JobKeeper* saver, DestinationCheck* destination);

    void itemStarted(std::int32_t number);
    void itemEnded(std::int32_t number);
    // The engine lets events run between its blocks, or while a file call waits.
    void betweenBlocks();
    void whileWaiting();
    // Saves the offset of the running file as it was before the block in hand, for a quit that
    // does not wait for that block; returns what became of the job, in words.
    std::string saveBeforeQuitting();

  private:
    void checkpoint();
    const DamageRecord* damageOf(const JobItem& item);

    RescueLedger& ledger_;
    const RecoveryEngine& engine_;
    const MonotonicClock& clock_;
    JobKeeper* saver_;
    DestinationCheck* destination_;
    std::optional<std::int32_t> running_;
    std::int64_t confirmed_ = 0;
    std::int64_t saved_ = 0;
    double checkpointed_ = 0.0;
    std::size_t recordsTaken_ = 0;
};

}  // namespace quorvex
