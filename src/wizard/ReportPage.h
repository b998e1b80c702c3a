#pragma once

#include <QWidget>
#include <vector>

#include "BannerBox.h"
#include "DamageRecord.h"
#include "RecoveryState.h"
#include "ReportFigures.h"
#include "SharedState.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace quorvex {

// Page 6, the summary of the last run: the tip Tips_2 coloured by how the run ended, the value
// boxes (ReportFigures), the damaged files with their lost ranges (Page3_Info), the button
// ReportDetails, which continues the run shown when it can be continued, and the banner
// Adv4th.
class ReportPage final : public QWidget {
    Q_OBJECT

  public:
    explicit ReportPage(QWidget* parent = nullptr);

    // Fills the page after a run. stoppedEarly and paused tell how it ended: (true, true)
    // paused, (true, false) aborted, (false, either) completed or burnt.
    void ShowSummary(bool stoppedEarly, bool paused, const RecoveryState& run,
                     const std::vector<DamageRecord>& damaged, const SharedState& state);
    // The labels, and the tip and result of the last summary, in the current language.
    void applyTexts(const SharedState& state);
    // ReportDetails is enabled when the run shown can be continued.
    void offerContinue(bool offered);

    BannerBox& banner() const { return *banner_; }

  signals:
    // ReportDetails was clicked: continue the run shown.
    void continueRequested();

  private:
    // How the shown run ended: the tip and the result box follow it on a language change.
    enum class Ending { Completed, Paused, Aborted };

    void showEnding(const SharedState& state);
    void showDamagedFiles(const std::vector<DamageRecord>& damaged, const SharedState& state);

    QLabel* tip_;
    ReportFigures* figures_;
    QLabel* damagedCaption_;
    QListWidget* damagedList_;
    QPushButton* details_;
    BannerBox* banner_;
    Ending ending_ = Ending::Completed;
};

}  // namespace quorvex
