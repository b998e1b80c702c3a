#include "HistoryRun.h"

#include <algorithm>
#include <ctime>
#include <exception>

#include "JobDamage.h"
#include "RescueTally.h"

namespace quorvex {

namespace {

std::int64_t now() {
    return static_cast<std::int64_t>(std::time(nullptr));
}

SavedJob takeJob(RunReport& report) {
    SavedJob job = std::move(report.job);
    report.job = SavedJob{job.source, job.destination, {}, {}, {}, false, {}};
    return job;
}

// What earlier runs left in the destination may have changed since: a copy removed, replaced
// or cut short is done again from its first byte.
SavedJob checkedJob(RunReport& report, FileLayer& files) {
    SavedJob job = takeJob(report);
    if (report.number == 0) return job;
    files.confineTo(job.destination);
    DestinationCheck check(files);
    check.redoMissing(job);
    check.restartLost(job);
    return job;
}

}  // namespace

HistoryRun::HistoryRun(WizardServices& services, RecoveryProcess& process, RunReport stored)
    : services_(services),
      process_(process),
      header_(std::move(stored)),
      continued_(header_.number != 0),
      ledger_(checkedJob(header_, services.files)),
      check_(services.files),
      history_(services.historyPath) {}

HistoryRun::~HistoryRun() {
    process_.follow(nullptr);
}

std::string HistoryRun::begin() {
    const SavedJob& job = ledger_.job();
    RecoveryState& state = process_.state();
    state.SourcePath = job.source;
    state.DestinationPath = job.destination;
    state.Items_Count = ledger_.load(process_.job());
    if (!continued_) header_.startedAt = now();
    try {
        store();
    } catch (const std::exception& error) {
        header_.number = 0;
        followWith(nullptr);
        return error.what();
    }
    return {};
}

// A new run's record is written whole as it starts; a continued run's record stays as it was
// until the run has something to add.
void HistoryRun::store() {
    if (!continued_) {
        RunReport report = head(RunOutcome::Running, true);
        report.job = ledger_.job();
        header_.number = history_.append(report);
    }
    keeper_.emplace(history_, ledger_.job(), ledger_.job().destination, services_.clock,
                    services_.events, [this] { return head(RunOutcome::Running, true); });
    followWith(&*keeper_);
}

void HistoryRun::followWith(JobKeeper* keeper) {
    recorder_.emplace(ledger_, process_.engine(), services_.clock, keeper, &check_);
    process_.follow(this);
}

std::string HistoryRun::finish(RunOutcome outcome) {
    process_.follow(nullptr);
    damage_ = JobDamage::of(ledger_.job(), header_.damaged, process_.damagedFiles().records());
    if (continued_) putJobFigures(process_.state());
    continuable_ = RunReport::continuableOf(outcome, ledger_.job());
    if (!keeper_) return "";
    keeper_->flushWith(head(outcome, false));
    const std::string problem = keeper_->problem();
    // The keeper holds the destination open; its drive may be taken out now.
    recorder_.reset();
    keeper_.reset();
    return problem;
}

RunReport HistoryRun::head(RunOutcome outcome, bool jobFigures) const {
    RunReport report = header_;
    report.endedAt = now();
    report.outcome = outcome;
    RecoveryState state = process_.state();
    if (jobFigures) putJobFigures(state);
    report.takeFigures(state);
    report.damaged =
        outcome == RunOutcome::Running
            ? JobDamage::of(ledger_.job(), header_.damaged, process_.damagedFiles().records())
            : damage_;
    return report;
}

// Counted over every item of the job, so that what earlier runs copied and lost counts once.
void HistoryRun::putJobFigures(RecoveryState& state) const {
    const SavedJob& job = ledger_.job();
    const RescueTally tally = RescueTally::of(job);
    const auto folders = std::ranges::count_if(
        job.items, [](const JobRecord& record) { return record.item.isFolder(); });
    const auto notCopied = static_cast<std::int32_t>(tally.notCopied.size());
    state.Items_Count = static_cast<std::int32_t>(job.items.size());
    state.ItemsFolders_Count = static_cast<std::int32_t>(folders);
    state.ItemsNotCopied_Count = notCopied;
    state.CorruptedFilesCount = static_cast<std::int32_t>(tally.damaged);
    state.FilesCopied = static_cast<std::int32_t>(tally.copied + tally.damaged);
    state.CurrentFile = state.Items_Count - notCopied;
    state.TotalCopiedBytes = tally.bytesCopied;
    state.TotalLostBytes = tally.bytesLost;
}

}  // namespace quorvex
