#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "DestinationCheck.h"
#include "HistoryKeeper.h"
#include "JobRecorder.h"
#include "RecoveryProcess.h"
#include "ReportHistory.h"
#include "RescueLedger.h"
#include "RunFollower.h"
#include "WizardServices.h"

namespace quorvex {

// One run of the window, kept in the report history from its start to its end. A new run is
// stored as a new record as it starts; a continued run goes on in the record it came from.
// While the run goes, every file's offsets and lost ranges reach the record (HistoryKeeper),
// so that a program killed at any moment leaves a run that can be continued.
class HistoryRun final : public RunFollower {
  public:
    // `stored` is the record to continue, or a report numbered 0 with a new run's job. A
    // continued job first looks at what earlier runs left in the destination: RunTimeError when
    // the destination cannot be opened.
    HistoryRun(WizardServices& services, RecoveryProcess& process, RunReport stored);
    ~HistoryRun() override;
    HistoryRun(const HistoryRun&) = delete;
    HistoryRun& operator=(const HistoryRun&) = delete;

    // Loads the items not done into the recovery control and stores a new run's record. The reason in words when the history
    // cannot take the run; it goes on without it.
    std::string begin();
    // The run has ended: a continued run's figures become those of the whole job, and the
    // record is brought to how it ended. The reason in words when the history failed.
    std::string finish(RunOutcome outcome);

    // The damaged files of the whole job, once the run has ended.
    const std::vector<DamageRecord>& damage() const { return damage_; }
    // The record's number; 0 when the history could not take it.
    std::int64_t number() const { return header_.number; }
    // How many items a later run could still do, once the run has ended.
    std::int32_t continuable() const { return continuable_; }

    void itemStarted(std::int32_t number) override { recorder_->itemStarted(number); }
    void itemEnded(std::int32_t number) override { recorder_->itemEnded(number); }
    void betweenBlocks() override { recorder_->betweenBlocks(); }
    bool ownsCopyAt(const std::string& destination) const override {
        return ledger_.ownsCopyAt(destination);
    }

  private:
    void store();
    void followWith(JobKeeper* keeper);
    // The record's summary: the figures of the whole job while the run goes, the recovery
    // control's when it has ended.
    RunReport head(RunOutcome outcome, bool jobFigures) const;
    void putJobFigures(RecoveryState& state) const;

    WizardServices& services_;
    RecoveryProcess& process_;
    // The stored record without its job, which the ledger holds.
    RunReport header_;
    bool continued_;
    RescueLedger ledger_;
    DestinationCheck check_;
    ReportHistory history_;
    std::optional<HistoryKeeper> keeper_;
    std::optional<JobRecorder> recorder_;
    std::vector<DamageRecord> damage_;
    std::int32_t continuable_ = 0;
};

}  // namespace quorvex
