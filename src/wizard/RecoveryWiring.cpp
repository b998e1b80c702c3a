#include "RecoveryWiring.h"

#include <exception>

#include "CopyingPage.h"
#include "DestinationPage.h"
#include "FileSystemMethods.h"
#include "HistoryError.h"
#include "ProgramConfig.h"
#include "WizardNavigation.h"
#include "ReportHistory.h"
#include "ReportPage.h"
#include "SameFolder.h"
#include "SourcePage.h"

namespace quorvex {

RecoveryWiring::RecoveryWiring(WizardFlow& flow, WizardServices& services, Pages pages,
                               QObject* parent)
    : QObject(parent), flow_(flow), services_(services), pages_(pages) {
    RecoveryProcess* process = &pages_.copying.process();
    connect(process, &RecoveryProcess::ProcessDone, this, [this] { runEnded(End::Done); });
    connect(process, &RecoveryProcess::ProcessPaused, this, [this] { runEnded(End::Paused); });
    connect(process, &RecoveryProcess::ProcessAborted, this, [this] { runEnded(End::Aborted); });
}

void RecoveryWiring::sourceStep() {
    flow_.navigation().SlideOffset = 0;
    flow_.SetNavButtons(false, false, false);
    FilesAndFoldersList& browser = pages_.source.browser();
    if (!browser.CreateListOfSelected()) {
        stayOnSourcePage(PromptIcon::Critical, 32);
        return;
    }
    if (browser.Items_Count() < 1) {
        stayOnSourcePage(PromptIcon::Exclamation, 33);
        return;
    }
    if (flow_.navigation().WizardTask == WizardTaskNumber::RecoverAndBurn) {
        emit markedFilesToBurn();
        return;
    }
    pages_.destination.prepare();
    flow_.navigation().PageStep = 2;
    flow_.ShowMediaState(3);
    flow_.MoveToFrame();
    flow_.SetNavButtons(true, true, true);
}

void RecoveryWiring::stayOnSourcePage(PromptIcon icon, int message) {
    tell(icon, text(message));
    flow_.SetNavButtons(true, true, true);
}

void RecoveryWiring::destinationStep() {
    WizardState& navigation = flow_.navigation();
    navigation.SlideOffset = 0;
    navigation.PageStep = 1;
    const std::string source = pages_.source.browser().CurrentPath();
    const std::string destination = pages_.destination.browser().CurrentPath();
    if (SameFolder::isSame(services_.files, source, destination)) {
        tell(PromptIcon::Exclamation, text(25));
        return;
    }
    if (SameFolder::landsInSource(services_.files, selectedItems(), source, destination)) {
        tell(PromptIcon::Exclamation, text(60));
        return;
    }
    flow_.SetNavButtons(false, false, true);
    flow_.ShowMediaState(4);
    flow_.SetStepCaptions();
    flow_.MoveToFrame();
    flow_.SetNavButtons(false, false, true);
    StartRecoveryRun(destination);
}

void RecoveryWiring::StartRecoveryRun(const std::string& destination) {
    RunReport fresh;
    fresh.task = flow_.navigation().WizardTask;
    fresh.job = selectedJob(destination);
    startRun(std::make_unique<HistoryRun>(services_, pages_.copying.process(), std::move(fresh)));
}

bool RecoveryWiring::continueRun(std::int64_t number) {
    std::unique_ptr<HistoryRun> run;
    try {
        RunReport stored = ReportHistory(services_.historyPath).load(number);
        if (!rootsThere(stored.job)) return false;
        run = std::make_unique<HistoryRun>(services_, pages_.copying.process(), std::move(stored));
    } catch (const HistoryError& error) {
        tell(PromptIcon::Exclamation, text(10) + "\r" + error.what());
        return false;
    } catch (const std::exception& error) {
        tell(PromptIcon::Exclamation, text(63) + "\r" + error.what());
        return false;
    }
    WizardState& navigation = flow_.navigation();
    navigation.WizardTask = 0;
    navigation.SlideOffset = 0;
    navigation.PageStep = static_cast<std::int16_t>(WizardPage::Copying - navigation.CurrentPage);
    flow_.SetNavButtons(false, false, false);
    flow_.ShowMediaState(WizardPage::Copying);
    flow_.MoveToFrame();
    flow_.SetNavButtons(false, false, true);
    startRun(std::move(run));
    return true;
}

// A source on a drive that was taken out, or a destination that was removed, is told; the
// stored run stays as it is, to be continued when they are back.
bool RecoveryWiring::rootsThere(const SavedJob& job) {
    for (const auto& [root, message] : {std::pair{&job.source, 62}, {&job.destination, 63}}) {
        bool there = false;
        try {
            there = services_.folders.folderExists(*root);
        } catch (const std::exception&) {
        }
        if (!there) {
            tell(PromptIcon::Exclamation, text(message) + "\r" + *root);
            return false;
        }
    }
    return true;
}

// A burn task's copy goes into the temporary copy folder, which is removed when the wizard
// leaves the burn: such a run is not offered for continuing.
bool RecoveryWiring::intoTemporaryCopy(const std::string& destination) {
    std::string folder = destination;
    while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    const std::string name = FileSystemMethods::CopyFolderName;
    return folder.size() > name.size() && folder.ends_with("/" + name);
}

std::optional<std::int64_t> RecoveryWiring::lastContinuable() {
    try {
        const std::vector<HistoryRow> rows = ReportHistory(services_.historyPath).rows();
        for (auto row = rows.rbegin(); row != rows.rend(); ++row)
            if (row->continuable > 0 && !intoTemporaryCopy(row->destination)) return row->number;
    } catch (const std::exception&) {
    }
    return std::nullopt;
}

void RecoveryWiring::startRun(std::unique_ptr<HistoryRun> run) {
    const std::int16_t task = flow_.navigation().WizardTask;
    pages_.copying.showStep(task == 2 || task == 3 ? 2 : 3, services_.state);
    flow_.setCancelCaption(text(35));
    flow_.SetNavButtons(false, false, true);
    RecoveryProcess& process = pages_.copying.process();
    process.state().WizardTask = task;
    run_ = std::move(run);
    const std::string problem = run_->begin();
    if (!problem.empty()) tell(PromptIcon::Exclamation, text(58) + "\r" + problem);
    process.StartProcess();
}

std::vector<std::string> RecoveryWiring::selectedItems() const {
    const FilesAndFoldersList& browser = pages_.source.browser();
    std::vector<std::string> selected;
    for (std::int32_t index = 1; index <= browser.Items_Count(); ++index)
        selected.push_back(browser.SelectedItemName(index));
    return selected;
}

// Every item starts afresh: nothing copied, not done, no offset to continue from.
SavedJob RecoveryWiring::selectedJob(const std::string& destination) const {
    SavedJob job;
    job.source = pages_.source.browser().CurrentPath();
    job.destination = destination;
    for (std::string& item : SameFolder::itemsOutside(services_.files, selectedItems(), destination)) {
        JobRecord record;
        record.item.FileName = std::move(item);
        job.items.push_back(std::move(record));
    }
    return job;
}

bool RecoveryWiring::stop() {
    RecoveryProcess& process = pages_.copying.process();
    if (!process.state().isCopyingProcess) return false;
    process.TerminateMe();
    return true;
}

void RecoveryWiring::fillReport(bool stoppedEarly, bool paused) {
    RecoveryProcess& process = pages_.copying.process();
    const std::vector<DamageRecord>& damaged =
        run_ ? run_->damage() : process.damagedFiles().records();
    pages_.report.ShowSummary(stoppedEarly, paused, process.state(), damaged, services_.state);
    pages_.report.offerContinue(shownContinuable_.has_value());
}

// The record is brought up to date before the report page shows the run; a history that
// cannot take it is told, and the report page still shows the run.
void RecoveryWiring::runEnded(End end) {
    const RunOutcome outcome = end == End::Done     ? RunOutcome::Completed
                               : end == End::Paused ? RunOutcome::Paused
                                                    : RunOutcome::Aborted;
    shownContinuable_.reset();
    if (run_) {
        const std::string problem = run_->finish(outcome);
        if (!problem.empty()) tell(PromptIcon::Exclamation, text(58) + "\r" + problem);
    }
    const std::int16_t task = flow_.navigation().WizardTask;
    const bool burnTask = task == 2 || task == 3 || task == 6;
    if (run_ && !burnTask && run_->number() != 0 && run_->continuable() > 0)
        shownContinuable_ = run_->number();
    if (end == End::Done && burnTask) {
        emit copyReadyToBurn();
        return;
    }
    flow_.GotoReportPage(end != End::Done, end != End::Aborted);
}

void RecoveryWiring::tell(PromptIcon icon, const std::string& message) {
    services_.prompts.messageBox(icon, PromptButtons::Ok, ProgramConfig::Title, message);
}

std::string RecoveryWiring::text(int index) const {
    return services_.state.Lang_MainText[static_cast<std::size_t>(index)];
}

}  // namespace quorvex
