#include "JobRecorder.h"

namespace quorvex {

JobRecorder::JobRecorder(RescueLedger& ledger, const RecoveryEngine& engine,
                         const MonotonicClock& clock, JobKeeper* saver,
                         DestinationCheck* destination)
    : ledger_(ledger), engine_(engine), clock_(clock), saver_(saver), destination_(destination) {}

// The name is looked at before the engine touches it: a file made there from now on is this
// job's own partial copy, which a later run may continue or replace without asking.
void JobRecorder::itemStarted(std::int32_t number) {
    const JobRecord& record = ledger_.record(number);
    const bool nameFree = destination_ != nullptr && destination_->nameFree(ledger_.copyOf(number));
    running_ = number;
    confirmed_ = saved_ = record.item.StartPosition;
    checkpointed_ = clock_.seconds();
    if (ledger_.started(number, nameFree) && saver_ != nullptr)
        saver_->saveNow(ledger_.indexOf(number), record);
}

void JobRecorder::itemEnded(std::int32_t number) {
    running_.reset();
    const JobItem& result = engine_.job.item(number);
    const JobRecord& record = ledger_.record(number);
    const NameEntry copy = result.isDone && destination_ != nullptr
                               ? destination_->entry(ledger_.copyOf(number))
                               : NameEntry{};
    ledger_.ended(number, result, damageOf(result), copy);
    if (saver_ == nullptr) return;
    saver_->saveSynced(ledger_.indexOf(number), record);
    saver_->flushIfDue();
}

void JobRecorder::betweenBlocks() {
    if (running_ && engine_.fileCopiedBytes() > 0) confirmed_ = engine_.fileCopiedBytes();
    if (saver_ == nullptr) return;
    if (running_ && clock_.seconds() - checkpointed_ >= CheckpointSeconds) checkpoint();
    saver_->flushIfDue();
}

void JobRecorder::whileWaiting() {
    if (saver_ != nullptr) saver_->flushIfDue();
}

std::string JobRecorder::saveBeforeQuitting() {
    if (saver_ == nullptr) return "the job was not saved (no --job FILE given).";
    if (running_) checkpoint();
    saver_->flush();
    if (!saver_->problem().empty()) return "the job could not be saved: " + saver_->problem();
    return "the job is saved in " + saver_->path() +
           " with the offset before the unfinished block.";
}

void JobRecorder::checkpoint() {
    checkpointed_ = clock_.seconds();
    if (confirmed_ == saved_) return;
    saved_ = confirmed_;
    ledger_.reached(*running_, confirmed_, engine_.fileDamage().ranges());
    saver_->saveSynced(ledger_.indexOf(*running_), ledger_.record(*running_));
    saver_->flush();
}

// The engine records the damage of a file as the file ends; records from before are another
// file's.
const DamageRecord* JobRecorder::damageOf(const JobItem& item) {
    const auto& records = engine_.damagedFiles().records();
    const DamageRecord* found = nullptr;
    for (; recordsTaken_ < records.size(); ++recordsTaken_)
        if (records[recordsTaken_].source == item.FileName) found = &records[recordsTaken_];
    return found;
}

}  // namespace quorvex
