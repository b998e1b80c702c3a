#include "RecoveryFiguresFrame.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <algorithm>

#include "RecoveryTexts.h"

namespace quorvex {

namespace {

QProgressBar* percentBar(QWidget* parent) {
    auto* bar = new QProgressBar(parent);
    bar->setRange(0, 100);
    bar->setTextVisible(false);
    return bar;
}

QLineEdit* figureBox(QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::NoFocus);
    return box;
}

QString labelText(const TextTable& texts, int index) {
    return QString::fromStdString(texts[static_cast<std::size_t>(index)]) + ":";
}

}  // namespace

RecoveryFiguresFrame::RecoveryFiguresFrame(const MonotonicClock& clock, QWidget* parent)
    : QGroupBox(parent), SpeedChart1(new SpeedChart(clock, this)) {
    setObjectName("Frame2");
    SpeedChart1->setObjectName("SpeedChart1");
    SpeedChart1->setMinimumSize(240, 110);
    auto* grid = new QGridLayout(this);
    addFileFigures(*grid);
    addRunFigures(*grid, static_cast<int>(Stat.size()) + 1);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 2);
}

void RecoveryFiguresFrame::addFileFigures(QGridLayout& grid) {
    for (std::size_t k = 0; k < Stat.size(); ++k) {
        const int row = static_cast<int>(k);
        Stat[k] = named(new QLabel(this), QString("Stat%1").arg(k));
        StatR[k] = named(figureBox(this), QString("StatR%1").arg(k));
        grid.addWidget(Stat[k], row, 0);
        grid.addWidget(StatR[k], row, 1);
    }
    // Room for the widest figure: bytes copied of the file's length, both in megabytes.
    StatR[0]->setMinimumWidth(StatR[0]->fontMetrics().horizontalAdvance("8888 Mb / 8888 Mb") + 12);
    grid.addWidget(SpeedChart1, 0, 2, static_cast<int>(Stat.size()), 2);
    ProgressBar1 = named(percentBar(this), "ProgressBar1");
    grid.addWidget(ProgressBar1, static_cast<int>(Stat.size()), 0, 1, 4);
}

// Items and total copied share a row; the run's percentage and its bar follow below.
void RecoveryFiguresFrame::addRunFigures(QGridLayout& grid, int firstRow) {
    for (std::size_t k = 0; k < TotalStat.size(); ++k)
        TotalStat[k] = named(new QLabel(this), QString("TotalStat%1").arg(k));
    for (std::size_t k = 0; k < StatT.size(); ++k)
        StatT[k] = named(figureBox(this), QString("StatT%1").arg(k));
    ProgressBar2 = named(percentBar(this), "ProgressBar2");
    grid.addWidget(TotalStat[0], firstRow, 0);
    grid.addWidget(StatT[0], firstRow, 1);
    grid.addWidget(TotalStat[1], firstRow, 2);
    grid.addWidget(StatT[1], firstRow, 3);
    grid.addWidget(TotalStat[2], firstRow + 1, 0);
    grid.addWidget(TotalStat[3], firstRow + 1, 1);
    grid.addWidget(ProgressBar2, firstRow + 1, 2, 1, 2);
}

template <typename Widget>
Widget* RecoveryFiguresFrame::named(Widget* widget, const QString& name) {
    widget->setObjectName(name);
    return widget;
}

void RecoveryFiguresFrame::showFigures(const RecoveryFigures& figures) {
    for (std::size_t k = 0; k < StatR.size(); ++k)
        StatR[k]->setText(QString::fromStdString(figures.StatR[k]));
    for (std::size_t k = 0; k < StatT.size(); ++k)
        StatT[k]->setText(QString::fromStdString(figures.StatT[k]));
    TotalStat[3]->setText(QString::fromStdString(figures.runPercent));
    ProgressBar1->setValue(std::clamp(figures.fileProgress, 0, 100));
    ProgressBar2->setValue(std::clamp(figures.runProgress, 0, 100));
}

void RecoveryFiguresFrame::retranslate(const TextTable& texts) {
    for (std::size_t k = 0; k < Stat.size(); ++k)
        Stat[k]->setText(
            labelText(texts, RecoveryTexts::FirstFileFigureLabel + static_cast<int>(k)));
    for (std::size_t k = 0; k < 3; ++k)
        TotalStat[k]->setText(
            labelText(texts, RecoveryTexts::FirstRunFigureLabel + static_cast<int>(k)));
}

void RecoveryFiguresFrame::setLabelFont(const QFont& font) {
    for (QLabel* label : Stat) label->setFont(font);
    for (QLabel* label : TotalStat) label->setFont(font);
}

}  // namespace quorvex
