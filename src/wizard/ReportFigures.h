#pragma once

#include <QPoint>
#include <QWidget>
#include <array>

#include "RecoveryState.h"
#include "SharedState.h"

class QFrame;
class QLabel;
class QLineEdit;

namespace quorvex {

// The value boxes of the report page in their frames: ReportPageDiv_0 holds the counts
// (ConfermReportValue_0 files recovered, 1 damaged files, 10 files not copied, labels
// Label3_0..2) beside the bytes (4 copied, 5 lost), ReportPageDiv_1 the result (box 2, label
// Label3_3), ReportPageDiv_2 the files left after a pause (box 8 its caption, box 9 the count).
// Each frame spans the page, so that the longest texts of every language fit in 640 pixels.
class ReportFigures final : public QWidget {
    Q_OBJECT

  public:
    explicit ReportFigures(QWidget* parent = nullptr);

    void applyTexts(const SharedState& state);
    // The counts and bytes of the run; the files left show only after a paused run.
    void showRun(const RecoveryState& run, bool paused, const SharedState& state);
    void showResult(const QString& text) { showInBox(2, text); }

  private:
    QFrame* buildFrame(int number);
    void placeBox(QFrame* frame, QLabel* label, int box, QPoint place);
    void showInBox(int box, const QString& text);
    void alignFirstColumns();

    std::array<QLineEdit*, 11> boxes_{};
    std::array<QFrame*, 3> frames_{};
    std::array<QLabel*, 4> labels_{};
    QLabel* copiedLabel_;
    QLabel* lostLabel_;
};

}  // namespace quorvex
