// The wizard's navigation: Next, Back and Cancel, the menu step, the page slide and the move to
// the report page.
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <chrono>
#include <thread>

#include "BurnSettingsPage.h"
#include "BurnWiring.h"
#include "BurningPage.h"
#include "CopyingPage.h"
#include "DestinationPage.h"
#include "FileSystemMethods.h"
#include "HistoryError.h"
#include "HistoryPage.h"
#include "MenuPage.h"
#include "ProgramConfig.h"
#include "RecoveryWiring.h"
#include "ReportHistory.h"
#include "SourcePage.h"
#include "StepCaptions.h"
#include "TitleStrip.h"
#include "Wizard.h"
#include "WizardNavigation.h"

namespace quorvex {

void Wizard::SetNavButtons(bool back, bool next, bool cancel) {
    Command10->setEnabled(back);
    Command11->setEnabled(next);
    Command12->setEnabled(cancel);
}

void Wizard::disableCancel() {
    SetNavButtons(Command10->isEnabled(), Command11->isEnabled(), false);
}

void Wizard::SetStepCaptions() {
    const StepCaptionSet captions = StepCaptions::forPage(
        navigation_.CurrentPage, navigation_.WizardTask, services_.state.Lang_MainText);
    const auto put = [](QPushButton* button, const std::optional<std::string>& text) {
        if (text) button->setText(QString::fromStdString(*text));
    };
    put(Command10, captions.back);
    put(Command11, captions.next);
    put(Command12, captions.cancel);
    if (captions.burnSettingsStep)
        burnSettingsPage_->tip().setText(QString::fromStdString(*captions.burnSettingsStep));
    if (captions.burningStep)
        burningPage_->tip().setText(QString::fromStdString(*captions.burningStep));
}

void Wizard::setCancelCaption(const std::string& text) {
    Command12->setText(QString::fromStdString("  " + text));
}

bool Wizard::sliding() const {
    return Timer1->isActive();
}

void Wizard::placeFrame(int page, int left) {
    mainframe[static_cast<std::size_t>(page)]->move(left, 0);
}

void Wizard::MoveToFrame() {
    const std::int16_t leaving = navigation_.CurrentPage;
    const std::int16_t target = slide_.target();
    if (navigation_.PageStep == 0 || target < 0 || target >= WizardPage::Count || sliding()) return;
    for (int i = 0; i < WizardPage::Count; ++i)
        mainframe[static_cast<std::size_t>(i)]->setVisible(i == leaving);
    placeFrame(target, slide_.arrivingStart());
    mainframe[static_cast<std::size_t>(target)]->setVisible(true);
    Timer1->start(PageSlide::TickMilliseconds);
    while (Timer1->isActive()) {
        services_.events.runPendingEvents();
        // Between the ticks there is nothing to do: give the processor back for a moment.
        if (Timer1->isActive()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    mainframe[static_cast<std::size_t>(leaving)]->setVisible(false);
    if (navigation_.CurrentPage == WizardPage::Menu) offerContinueEntry();
}

void Wizard::Timer1Tick() {
    const std::int16_t leaving = navigation_.CurrentPage;
    const std::int16_t arriving = slide_.target();
    const SlideFrame frame = slide_.tick();
    if (frame.finished) Timer1->stop();
    ReDrawTitle(frame.title);
    placeFrame(leaving, frame.leavingLeft);
    placeFrame(arriving, frame.arrivingLeft);
    if (!frame.finished) return;
    if (frame.landing)
        SetNavButtons(frame.landing->back, frame.landing->next, Command12->isEnabled());
    ReDrawTitle(PageSlide::RestingTitle);
}

void Wizard::nextClicked() {
    if (!Command11->isEnabled() || sliding()) return;
    switch (WizardNavigation::nextActionOn(navigation_.CurrentPage)) {
        case NextAction::MenuStep:
            menuStep();
            break;
        case NextAction::SourceStep:
            wiring_->sourceStep();
            break;
        case NextAction::DestinationStep:
            wiring_->destinationStep();
            break;
        case NextAction::BurnSettingsStep:
            burnWiring_->settingsStep();
            break;
        case NextAction::StartBurn:
            burningPage_->startBurn();
            break;
        case NextAction::Nothing:
            break;
    }
}

void Wizard::menuStep() {
    const std::int16_t task = WizardNavigation::taskForMenuStep(navigation_.WizardTask);
    const std::optional<std::int16_t> step = WizardNavigation::menuStepOf(task);
    if (!step || (task == WizardTaskNumber::ReportHistory && !historyHoldsReports())) return;
    navigation_.WizardTask = task;
    SetNavButtons(true, Command11->isEnabled(), Command12->isEnabled());
    navigation_.SlideOffset = 0;
    navigation_.PageStep = *step;
    switch (task) {
        case WizardTaskNumber::ContinueRecovery:
            if (const auto number = wiring_->lastContinuable()) wiring_->continueRun(*number);
            return;
        case WizardTaskNumber::RecoverFiles:
        case WizardTaskNumber::RecoverAndBurn:
            sourcePage_->prepare();
            break;
        case WizardTaskNumber::CopyDiscAndBurn:
            burnSettingsPage_->showTabs(true);
            burnSettingsPage_->showDrives();
            break;
        case WizardTaskNumber::ReportHistory:
            SetNavButtons(true, false, Command12->isEnabled());
            historyPage_->showHistory();
            break;
        default:
            break;
    }
    ShowMediaState(*step);
    SetStepCaptions();
    MoveToFrame();
}

// The history task moves only when there is a report to show; a history that is not ours is
// told once.
bool Wizard::historyHoldsReports() {
    try {
        if (!ReportHistory(services_.historyPath).rows().empty()) return true;
        tell(PromptIcon::Information, 17);
    } catch (const HistoryError& error) {
        if (!historyErrorTold_)
            services_.prompts.messageBox(PromptIcon::Exclamation, PromptButtons::Ok,
                                         ProgramConfig::Title,
                                         services_.state.Lang_MainText[10] + "\r" + error.what());
        historyErrorTold_ = true;
    }
    return false;
}

void Wizard::taskFromMenu(int row) {
    if (row >= 0) navigation_.WizardTask = WizardNavigation::taskOfMenuRow(row, navigation_);
}

// The continue entry stands first in the menu while the history holds a run that can be
// continued; the task that was selected stays selected.
void Wizard::offerContinueEntry() {
    const int row = menuPage_->selectedRow();
    std::int16_t task =
        row >= 0 ? WizardNavigation::taskOfMenuRow(row, navigation_) : navigation_.WizardTask;
    navigation_.MenuIndexBase = wiring_->lastContinuable() ? 1 : 0;
    FillMainMenu(services_.state.LangFontCharSet);
    if (task == WizardTaskNumber::ContinueRecovery && navigation_.MenuIndexBase == 0)
        task = WizardTaskNumber::RecoverFiles;
    menuPage_->selectRow(WizardNavigation::menuRowOfTask(task, navigation_));
}

void Wizard::backClicked() {
    if (!Command10->isEnabled() || sliding()) return;
    const std::optional<BackMove> move =
        WizardNavigation::backFrom(navigation_.CurrentPage, navigation_.WizardTask);
    if (!move) return;
    SetNavButtons(Command10->isEnabled(), true, Command12->isEnabled());
    navigation_.SlideOffset = 0;
    navigation_.PageStep = move->pageStep;
    if (navigation_.CurrentPage == WizardPage::Burning) services_.burner.DisableMe();
    if (move->removesTempCopyFolder) removeTempCopyFolder();
    MoveToFrame();
    SetStepCaptions();
    if (navigation_.CurrentPage == WizardPage::Menu) taskFromMenu(menuPage_->selectedRow());
}

void Wizard::cancelClicked() {
    if (!Command12->isEnabled()) return;
    const bool copying = copyingPage_->process().state().isCopyingProcess;
    switch (WizardNavigation::cancelAction(copying, burnWiring_->burning())) {
        case CancelAction::StopRun:
            wiring_->stop();
            break;
        case CancelAction::CancelBurn:
            burnWiring_->cancelBurn();
            break;
        case CancelAction::Exit:
            close();
            break;
    }
}

void Wizard::GotoReportPage(bool stoppedEarly, bool paused) {
    if (navigation_.CurrentPage == WizardPage::Copying) navigation_.PageStep = 2;
    if (navigation_.CurrentPage == WizardPage::Burning) navigation_.PageStep = 1;
    navigation_.SlideOffset = 0;
    SetNavButtons(false, false, false);
    wiring_->fillReport(stoppedEarly, paused);
    ShowMediaState(WizardPage::Report);
    removeTempCopyFolder();
    MoveToFrame();
    SetStepCaptions();
    SetNavButtons(true, false, true);
}

void Wizard::removeTempCopyFolder() {
    FileSystemMethods::RemoveTempCopyFolder(burnSettingsPage_->tempFolder());
}

}  // namespace quorvex
