#include "BurnWiring.h"

#include <QDate>
#include <set>
#include <utility>

#include "BurnSettingsPage.h"
#include "BurningPage.h"
#include "CopyingPage.h"
#include "DestinationPage.h"
#include "EraseMediaForm.h"
#include "FileSystemMethods.h"
#include "PathRules.h"
#include "ProgramConfig.h"
#include "RecoveryWiring.h"
#include "SameFolder.h"
#include "SourcePage.h"
#include "WizardNavigation.h"

namespace quorvex {

BurnWiring::BurnWiring(WizardFlow& flow, WizardServices& services, RecoveryWiring& recovery,
                       Pages pages, QObject* parent)
    : QObject(parent), flow_(flow), services_(services), recovery_(recovery), pages_(pages) {
    connect(&recovery_, &RecoveryWiring::markedFilesToBurn, this, &BurnWiring::sourceStep);
    connect(&recovery_, &RecoveryWiring::copyReadyToBurn, this, &BurnWiring::copyDone);
    connect(&pages_.burning, &BurningPage::writingStarted, this, &BurnWiring::writingStarted);
}

void BurnWiring::sourceStep() {
    if (onOneDrive(services_.state.ProgramPath, pages_.settings.tempFolder())) return burnDirect();
    const PromptAnswer answer = services_.prompts.messageBox(
        PromptIcon::Question, PromptButtons::YesNo, ProgramConfig::Title, text(87));
    if (answer == PromptAnswer::Yes) return throughTemporaryCopy();
    burnDirect();
}

// The marked files are burnt as they are: the recovery control's counters describe the
// selection as copied whole, which the report page shows after the burn.
void BurnWiring::burnDirect() {
    WizardState& navigation = flow_.navigation();
    navigation.PageStep = static_cast<std::int16_t>(WizardPage::Burning - navigation.CurrentPage);
    flow_.SetStepCaptions();
    flow_.ShowMediaState(WizardPage::Burning);
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
    prepareBurn(browser.CurrentPath(), markedEntries());
}

// The entries directly in the browser's folder that the marked items are or lie in.
std::vector<std::string> BurnWiring::markedEntries() const {
    const FilesAndFoldersList& browser = pages_.source.browser();
    const std::string folder = PathRules::withSlash(browser.CurrentPath());
    std::vector<std::string> names;
    std::set<std::string> seen;
    for (std::int32_t index = 1; index <= browser.Items_Count(); ++index) {
        std::string item = browser.SelectedItemName(index);
        if (item.starts_with('\t')) item.erase(0, 1);
        if (!item.starts_with(folder)) continue;
        const std::string rest = item.substr(folder.size());
        const std::string name = rest.substr(0, rest.find('/'));
        if (!name.empty() && seen.insert(name).second) names.push_back(name);
    }
    return names;
}

void BurnWiring::throughTemporaryCopy() {
    WizardState& navigation = flow_.navigation();
    navigation.WizardTask = WizardTaskNumber::RecoverAndBurnThroughCopy;
    pages_.settings.showTabs(false);
    pages_.settings.showDrives();
    flow_.SetStepCaptions();
    navigation.PageStep = static_cast<std::int16_t>(WizardPage::BurnSettings - navigation.CurrentPage);
    flow_.ShowMediaState(WizardPage::BurnSettings);
    flow_.MoveToFrame();
    flow_.SetNavButtons(true, true, true);
}

void BurnWiring::settingsStep() {
    flow_.SetNavButtons(false, false, true);
    if (flow_.navigation().WizardTask == WizardTaskNumber::CopyDiscAndBurn && !discChosen()) return;
    const std::string copy = copyFolder();
    if (copy.empty()) return;
    pages_.destination.browser().setCurrentPath(copy);
    const double free = FileSystemMethods::GetDriveFreeSpace(services_.drives, copy);
    if (free <= pages_.source.browser().Items_TotalSize()) {
        FileSystemMethods::RemoveTempCopyFolder(pages_.settings.tempFolder());
        return stay(PromptIcon::Critical, 67);
    }
    WizardState& navigation = flow_.navigation();
    navigation.SlideOffset = 0;
    navigation.PageStep = 2;
    flow_.SetNavButtons(false, false, true);
    flow_.ShowMediaState(WizardPage::Copying);
    flow_.SetStepCaptions();
    flow_.MoveToFrame();
    flow_.SetNavButtons(false, false, true);
    recovery_.StartRecoveryRun(copy);
}

// The whole disc chosen in SourceDrives, without hidden files, becomes the selection.
bool BurnWiring::discChosen() {
    const std::string disc = pages_.settings.chosenDisc();
    FilesAndFoldersList& browser = pages_.source.browser();
    if (disc.size() < 2) return stay(PromptIcon::Critical, 66), false;
    browser.setCurrentPath(disc);
    browser.setShowHidden(false);
    if (!browser.CreateFilesList()) return stay(PromptIcon::Critical, 66), false;
    if (browser.Items_Count() < 1) return stay(PromptIcon::None, 33), false;
    return true;
}

// A copy folder on the drive being rescued would write to the failing medium and, for marked
// files, could land among them: it is refused with a message instead of ending the step with
// no way on.
std::string BurnWiring::copyFolder() {
    const std::string base = pages_.settings.tempFolder();
    const std::string source = pages_.source.browser().CurrentPath();
    if (onOneDrive(source, base)) return stay(PromptIcon::Exclamation, 89), "";
    const std::string copy = FileSystemMethods::CreateTempCopyFolder(base);
    if (copy.empty()) return stay(PromptIcon::Critical, 26), "";
    if (SameFolder::isSame(services_.files, source, copy)) {
        FileSystemMethods::RemoveTempCopyFolder(base);
        return stay(PromptIcon::Exclamation, 25), "";
    }
    return copy;
}

void BurnWiring::copyDone() {
    WizardState& navigation = flow_.navigation();
    flow_.SetStepCaptions();
    navigation.PageStep = 1;
    flow_.ShowMediaState(WizardPage::Burning);
    flow_.MoveToFrame();
    flow_.SetNavButtons(true, false, true);
    flow_.SetStepCaptions();
    prepareBurn(pages_.destination.browser().CurrentPath(), {});
}

void BurnWiring::prepareBurn(const std::string& burnFolder,
                             std::vector<std::string> entries) {
    cancelled_ = false;
    pages_.burning.prepare(defaultVolumeLabel());
    services_.burner.InitializeMe(pages_.source.browser().CurrentPath(), burnFolder);
    if (!entries.empty()) services_.burner.setSelection(std::move(entries));
    pages_.burning.showJob();
    if (services_.burner.isBurnDriveReady()) flow_.SetNavButtons(true, true, true);
}

// The label of the rescued volume, or the day of the burn where it has none.
std::string BurnWiring::defaultVolumeLabel() const {
    const std::vector<MountedVolume> drives = services_.drives.drives();
    const MountedVolume* volume =
        DriveTable::volumeHolding(drives, pages_.source.browser().CurrentPath());
    if (volume != nullptr && !volume->volumeName.empty()) return volume->volumeName;
    return QDate::currentDate().toString(Qt::ISODate).toStdString();
}

void BurnWiring::writingStarted() {
    burning_ = true;
    flow_.SetNavButtons(false, false, true);
}

bool BurnWiring::cancelBurn() {
    if (!burning_) return false;
    burning_ = false;
    cancelled_ = true;
    flow_.disableCancel();
    services_.burner.CancelBurn();
    services_.burner.AbortJob();
    services_.burner.OpenTray();
    return true;
}

// The user reads how the burn went before the report page takes over.
void BurnWiring::burnFinished() {
    if (flow_.navigation().CurrentPage != WizardPage::Burning) return;
    burning_ = false;
    const BurnOutcome outcome = pages_.burning.finish(std::exchange(cancelled_, false));
    tell(outcome.icon, outcome.message.toStdString());
    services_.burner.DisableMe();
    flow_.GotoReportPage(false, false);
}

// Readiness matters only on the burning page, where it decides Next.
void BurnWiring::driveReadinessChanged(bool ready) {
    if (flow_.navigation().CurrentPage == WizardPage::Burning && !burning_)
        flow_.SetNavButtons(true, ready, true);
}

void BurnWiring::eraseRequested(bool fullErase) {
    const PromptAnswer answer = services_.prompts.messageBox(
        PromptIcon::Question, PromptButtons::YesNo, ProgramConfig::Title, text(88));
    if (answer != PromptAnswer::Yes) return;
    services_.burner.DisableMe();
    services_.burner.setQuickErase(!fullErase);
    EraseMediaForm(services_.state).exec();
    services_.burner.ReInitializeMe();
    pages_.burning.followJob();
}

bool BurnWiring::onOneDrive(const std::string& first, const std::string& second) {
    const std::vector<MountedVolume> drives = services_.drives.drives();
    const MountedVolume* one = DriveTable::volumeHolding(drives, first);
    const MountedVolume* other = DriveTable::volumeHolding(drives, second);
    return one != nullptr && one == other;
}

void BurnWiring::stay(PromptIcon icon, int message) {
    tell(icon, text(message));
    flow_.SetNavButtons(true, true, true);
}

void BurnWiring::tell(PromptIcon icon, const std::string& message) {
    services_.prompts.messageBox(icon, PromptButtons::Ok, ProgramConfig::Title, message);
}

std::string BurnWiring::text(int index) const {
    return services_.state.Lang_MainText[static_cast<std::size_t>(index)];
}

}  // namespace quorvex
