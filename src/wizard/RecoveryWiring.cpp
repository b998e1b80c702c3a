#include "RecoveryWiring.h"

#include <ctime>
#include <exception>

#include "CopyingPage.h"
#include "DestinationPage.h"
#include "ProgramConfig.h"
#include "ReportHistory.h"
#include "ReportPage.h"
#include "SameFolder.h"
#include "SourcePage.h"

namespace quorvex {

namespace {
std::int64_t now() {
    return static_cast<std::int64_t>(std::time(nullptr));
}
}  // namespace

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
    if (flow_.navigation().WizardTask == 3) return toBurningPage();
    pages_.destination.prepare();
    flow_.navigation().PageStep = 2;
    flow_.ShowMediaState(3);
    flow_.MoveToFrame();
    flow_.SetNavButtons(true, true, true);
}

// Burning the marked files as they are: the burning page shows, and the recovery control's
// counters describe the selection as copied whole, which the report page shows after the burn.
// Next stays off until a burner reports that it is ready.
void RecoveryWiring::toBurningPage() {
    flow_.navigation().PageStep = 4;
    flow_.SetStepCaptions();
    flow_.ShowMediaState(5);
    flow_.MoveToFrame();
    flow_.SetNavButtons(true, false, true);
    flow_.SetStepCaptions();
    const FilesAndFoldersList& browser = pages_.source.browser();
    RecoveryState& state = pages_.copying.process().state();
    state.Items_Count = browser.Items_Count();
    state.ItemsFolders_Count = -1;
    state.ItemsNotCopied_Count = 0;
    state.CorruptedFilesCount = 0;
    state.CurrentFile = state.Items_Count;
    state.TotalCopiedBytes = static_cast<std::int64_t>(browser.Items_TotalSize());
    state.TotalLostBytes = 0;
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
    const std::int16_t task = flow_.navigation().WizardTask;
    pages_.copying.showStep(task == 2 || task == 3 ? 2 : 3, services_.state);
    flow_.setCancelCaption(text(35));
    flow_.SetNavButtons(false, false, true);
    loadSelection(destination);
    pages_.copying.process().state().WizardTask = task;
    startedAt_ = now();
    pages_.copying.process().StartProcess();
}

std::vector<std::string> RecoveryWiring::selectedItems() const {
    const FilesAndFoldersList& browser = pages_.source.browser();
    std::vector<std::string> selected;
    for (std::int32_t index = 1; index <= browser.Items_Count(); ++index)
        selected.push_back(browser.SelectedItemName(index));
    return selected;
}

// Every item starts afresh: nothing copied, not done, no offset to continue from.
void RecoveryWiring::loadSelection(const std::string& destination) {
    const std::vector<std::string> items =
        SameFolder::itemsOutside(services_.files, selectedItems(), destination);
    RecoveryProcess& process = pages_.copying.process();
    process.state().SourcePath = pages_.source.browser().CurrentPath();
    process.state().DestinationPath = destination;
    process.state().Items_Count = static_cast<std::int32_t>(items.size());
    process.job().clear();
    for (const std::string& item : items) process.job().append(JobItem{item, 0, 0, false});
}

bool RecoveryWiring::stop() {
    RecoveryProcess& process = pages_.copying.process();
    if (!process.state().isCopyingProcess) return false;
    process.TerminateMe();
    return true;
}

void RecoveryWiring::fillReport(bool stoppedEarly, bool paused) {
    RecoveryProcess& process = pages_.copying.process();
    pages_.report.ShowSummary(stoppedEarly, paused, process.state(),
                              process.damagedFiles().records(), services_.state);
}

void RecoveryWiring::runEnded(End end) {
    recordRun(end);
    const std::int16_t task = flow_.navigation().WizardTask;
    if (end == End::Done && (task == 2 || task == 3 || task == 6)) {
        emit copyReadyToBurn();
        return;
    }
    flow_.GotoReportPage(end != End::Done, end != End::Aborted);
}

// The report is stored before the report page shows it; a history that cannot take it is
// told, and the report page still shows the run.
void RecoveryWiring::recordRun(End end) {
    const RunOutcome outcome = end == End::Done     ? RunOutcome::Completed
                               : end == End::Paused ? RunOutcome::Paused
                                                    : RunOutcome::Aborted;
    RecoveryProcess& process = pages_.copying.process();
    try {
        ReportHistory(services_.historyPath)
            .append(RunReport::fromRun(process.state(), process.job(),
                                       process.damagedFiles().records(),
                                       flow_.navigation().WizardTask, outcome, startedAt_, now()));
    } catch (const std::exception& error) {
        tell(PromptIcon::Exclamation, text(58) + "\r" + error.what());
    }
}

void RecoveryWiring::tell(PromptIcon icon, const std::string& message) {
    services_.prompts.messageBox(icon, PromptButtons::Ok, ProgramConfig::Title, message);
}

std::string RecoveryWiring::text(int index) const {
    return services_.state.Lang_MainText[static_cast<std::size_t>(index)];
}

}  // namespace quorvex
