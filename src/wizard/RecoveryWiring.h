#pragma once

#include <QObject>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "HistoryRun.h"
#include "WizardFlow.h"
#include "WizardServices.h"

namespace quorvex {

class CopyingPage;
class DestinationPage;
class ReportPage;
class SourcePage;

// The rescue from the window: the checks of the source and destination pages, the hand-over
// of the selection to RecoveryProcess1, continuing a stored run, Stop, and the end of a run.
// Every run is kept in the report history from its start, and its record is brought up to
// date before the report page shows.
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

    // Next on page 1: builds the list of marked items and moves to the destination page; in
    // the task that burns the marked files, the burn takes over.
    void sourceStep();
    // Next on page 3: refuses the source folder itself, and a destination above the source
    // where a copy would land in the source; else moves to page 4 and starts a run.
    void destinationStep();
    // Loads the selection into RecoveryProcess1 with fresh offsets and runs it.
    void StartRecoveryRun(const std::string& destination);
    // Continues the stored run from where each of its files stopped: moves to page 4 and runs
    // the items not done. A record that cannot be read, or a source or destination that is no
    // longer there, is told, and nothing changes; false then.
    bool continueRun(std::int64_t number);
    // The newest stored run that can be continued, burn tasks' copies left out.
    std::optional<std::int64_t> lastContinuable();
    // Whether a run's destination is the temporary copy folder of a burn task.
    static bool intoTemporaryCopy(const std::string& destination);
    // The run the report page shows, when it can be continued.
    std::optional<std::int64_t> shownContinuable() const { return shownContinuable_; }
    // Cancel on page 4: true when a run was going and was asked to stop; false when the
    // button should end the program.
    bool stop();
    // Fills the report page from the last run: what GotoReportPage shows.
    void fillReport(bool stoppedEarly, bool paused);

  signals:
    // The task that burns the marked files has its selection; the burn takes over from here.
    void markedFilesToBurn();
    // A copy of a burn task is done; the burn takes over from here.
    void copyReadyToBurn();

  private:
    enum class End { Done, Paused, Aborted };

    void runEnded(End end);
    void startRun(std::unique_ptr<HistoryRun> run);
    bool rootsThere(const SavedJob& job);
    void stayOnSourcePage(PromptIcon icon, int message);
    std::vector<std::string> selectedItems() const;
    SavedJob selectedJob(const std::string& destination) const;
    void tell(PromptIcon icon, const std::string& message);
    std::string text(int index) const;

    WizardFlow& flow_;
    WizardServices& services_;
    Pages pages_;
    std::unique_ptr<HistoryRun> run_;
    std::optional<std::int64_t> shownContinuable_;
};

}  // namespace quorvex
