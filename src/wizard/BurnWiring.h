#pragma once

#include <QObject>
#include <string>
#include <vector>

#include "BurnListener.h"
#include "WizardFlow.h"
#include "WizardServices.h"

namespace quorvex {

class BurnSettingsPage;
class BurningPage;
class CopyingPage;
class DestinationPage;
class RecoveryWiring;
class SourcePage;

// The burn tasks in the window: whether marked files are burnt as they are or after a copy into
// a temporary folder, the burn-settings step, the move to the burning page once the copy is
// done, the burn component's notifications, the erase question and Cancel during a burn.
class BurnWiring final : public QObject, public BurnListener {
    Q_OBJECT

  public:
    struct Pages {
        SourcePage& source;
        DestinationPage& destination;
        BurnSettingsPage& settings;
        CopyingPage& copying;
        BurningPage& burning;
    };

    // Takes over from the recovery's wiring where a burn task leaves it.
    BurnWiring(WizardFlow& flow, WizardServices& services, RecoveryWiring& recovery, Pages pages,
               QObject* parent = nullptr);

    // Next on page 1 in the task that burns the marked files, after the selection's checks:
    // burnt as they are when the temporary folder lies on the program's drive or the user
    // says so, otherwise copied into the temporary folder first.
    void sourceStep();
    // Next on page 2: checks the disc or the selection and the temporary folder, then copies.
    void settingsStep();
    // The copy of a burn task is done: the burning page, with the component's job prepared.
    void copyDone();
    // The component began writing: Cancel stops the burn from now on, and the page cannot be
    // left while the burn reads the copy.
    void writingStarted();
    bool burning() const { return burning_; }
    // Cancel during a burn: true when a burn was going and was asked to stop.
    bool cancelBurn();

    void burnFinished() override;
    void driveReadinessChanged(bool ready) override;
    void eraseRequested(bool fullErase) override;

  private:
    void burnDirect();
    // The burning page gets its defaults, the component the job (the whole folder, or only the
    // entries named), Next the drive's readiness.
    void prepareBurn(const std::string& burnFolder, std::vector<std::string> entries);
    std::vector<std::string> markedEntries() const;
    std::string defaultVolumeLabel() const;
    void throughTemporaryCopy();
    bool discChosen();
    // The copy folder made in the temporary folder, or "" after telling why it cannot be used.
    std::string copyFolder();
    bool onOneDrive(const std::string& first, const std::string& second);
    void stay(PromptIcon icon, int message);
    void tell(PromptIcon icon, const std::string& message);
    std::string text(int index) const;

    WizardFlow& flow_;
    WizardServices& services_;
    RecoveryWiring& recovery_;
    Pages pages_;
    bool burning_ = false;
    bool cancelled_ = false;
};

}  // namespace quorvex
