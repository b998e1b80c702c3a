#pragma once

#include <QGroupBox>
#include <array>

#include "MonotonicClock.h"
#include "RecoveryFigures.h"
#include "SharedState.h"
#include "SpeedChart.h"

class QGridLayout;
class QLabel;
class QLineEdit;
class QProgressBar;

namespace quorvex {

// The figures of a recovery run: the labelled figures of the file being copied beside its
// speed chart, its progress bar, then the figures and the progress bar of the whole run.
class RecoveryFiguresFrame : public QGroupBox {
    Q_OBJECT

public:
    explicit RecoveryFiguresFrame(const MonotonicClock& clock, QWidget* parent = nullptr);

    SpeedChart& chart() { return *SpeedChart1; }
    void showFigures(const RecoveryFigures& figures);
    // Labels the figures with texts 1..5 (file) and 6..8 (run) of the table.
    void retranslate(const TextTable& texts);
    void setLabelFont(const QFont& font);

private:
    void addFileFigures(QGridLayout& grid);
    void addRunFigures(QGridLayout& grid, int firstRow);
    template <typename Widget>
    Widget* named(Widget* widget, const QString& name);

    std::array<QLabel*, 5> Stat{};
    std::array<QLabel*, 4> TotalStat{};
    std::array<QLineEdit*, 5> StatR{};
    std::array<QLineEdit*, 2> StatT{};
    QProgressBar* ProgressBar1 = nullptr;
    QProgressBar* ProgressBar2 = nullptr;
    SpeedChart* SpeedChart1;
};

}  // namespace quorvex
