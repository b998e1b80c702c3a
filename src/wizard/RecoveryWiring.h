#pragma once

#include <QObject>
#include <cstdint>
#include <string>
#include <vector>

#include "WizardFlow.h"
#include "WizardServices.h"

namespace quorvex {

class CopyingPage;
class DestinationPage;
class ReportPage;
class SourcePage;

// The rescue from the window: the checks of the source and destination pages, the hand-over
// of the selection to RecoveryProcess1, Stop, and the end of a run, which is written to the
// report history before the report page shows.
class RecoveryWiring final : public QObject {
    Q_OBJECT

  public:
    struct Pages {
        SourcePage& source;
        DestinationPage& destination;
        CopyingPage& copying;
        ReportPage& report;
    };

    RecoveryWiring(WizardFlow& flow, WizardServices& services, Pages pages,
                   QObject* parent = nullptr);

    // Next on page 1: builds the list of marked items and moves to the destination page, or in
    // the task that burns the marked files, to the burning page.
    void sourceStep();
    // Next on page 3: refuses the source folder itself, and a destination above the source
    // where a copy would land in the source; else moves to page 4 and starts a run.
    void destinationStep();
    // Loads the selection into RecoveryProcess1 with fresh offsets and runs it.
    void StartRecoveryRun(const std::string& destination);
    // Cancel on page 4: true when a run was going and was asked to stop; false when the
    // button should end the program.
    bool stop();
    // Fills the report page from the last run: what GotoReportPage shows.
    void fillReport(bool stoppedEarly, bool paused);

  signals:
    // A copy of a burn task is done; the burn takes over from here.
    void copyReadyToBurn();

  private:
    enum class End { Done, Paused, Aborted };

    void runEnded(End end);
    void recordRun(End end);
    void toBurningPage();
    void stayOnSourcePage(PromptIcon icon, int message);
    std::vector<std::string> selectedItems() const;
    void loadSelection(const std::string& destination);
    void tell(PromptIcon icon, const std::string& message);
    std::string text(int index) const;

    WizardFlow& flow_;
    WizardServices& services_;
    Pages pages_;
    // Seconds since the epoch when the last run started.
    std::int64_t startedAt_ = 0;
};

}  // namespace quorvex
