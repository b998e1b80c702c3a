#pragma once

#include <QPoint>
#include <QWidget>
#include <array>
#include <vector>

#include "BannerBox.h"
#include "DamageRecord.h"
#include "RecoveryState.h"
#include "SharedState.h"

class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace quorvex {

// Page 6, the summary of the last run: the value boxes ConfermReportValue_0..10 (0 files
// recovered, 1 damaged files, 2 how the run ended, 4 bytes copied, 5 bytes lost, 8 and 9 the
// files left after a pause, 10 files not copied) in the frames ReportPageDiv_0..2, the tip
// Tips_2, the damaged files with their lost ranges (Page3_Info), the button ReportDetails and
// the banner Adv4th.
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

    BannerBox& banner() const { return *banner_; }

  private:
    // How the shown run ended: the tip and the result box follow it on a language change.
    enum class Ending { Completed, Paused, Aborted };

    void buildFigures();
    QFrame* buildFrame(int number);
    void placeBox(QFrame* frame, QLabel* label, int box, QPoint place);
    void showInBox(int box, const QString& text);
    void alignFirstColumns();
    void showEnding(const SharedState& state);
    void showDamagedFiles(const std::vector<DamageRecord>& damaged, const SharedState& state);

    std::array<QLineEdit*, 11> boxes_{};
    std::array<QFrame*, 3> frames_{};
    std::array<QLabel*, 4> labels_{};
    QLabel* copiedLabel_;
    QLabel* lostLabel_;
    QLabel* tip_;
    QLabel* damagedCaption_;
    QListWidget* damagedList_;
    QPushButton* details_;
    BannerBox* banner_;
    Ending ending_ = Ending::Completed;
};

}  // namespace quorvex
