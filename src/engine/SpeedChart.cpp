#include "SpeedChart.h"

#include <QPainter>
#include <cmath>

#include "SizeToText.h"

namespace quorvex {

namespace {
constexpr int kTickLength = 5;
constexpr int kLeft = SpeedChartFrame::LeftMargin;
constexpr int kTop = SpeedChartFrame::TopMargin;
}  // namespace

SpeedChart::SpeedChart(const MonotonicClock& clock, QWidget* parent)
    : QWidget(parent), sampler_(clock) {
    QFont labelFont = font();
    labelFont.setPointSizeF(labelFont.pointSizeF() * 0.8);
    setFont(labelFont);
}

void SpeedChart::ReStart(std::int64_t total) { sampler_.ReStart(total); }

void SpeedChart::UpdateChart(std::int64_t bytes) {
    if (!sampler_.sample(bytes)) return;
    shown_ = sampler_.frame();
    update();
}

std::string SpeedChart::ShowInMS(double speed) { return ShowAsBytes(std::trunc(speed)) + "/s"; }

std::string SpeedChart::ShowAsBytes(double bytes) { return SizeToText(bytes); }

void SpeedChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Background);
    drawPlotArea(painter);
    if (!shown_) return;
    drawCurve(painter, *shown_);
    drawLabels(painter, *shown_);
}

void SpeedChart::drawPlotArea(QPainter& painter) const {
    const int bottom = kTop + plotHeight();
    const int right = kLeft + plotWidth();
    painter.fillRect(kLeft, kTop, plotWidth(), plotHeight(), Background);
    painter.setPen(Axis);
    painter.drawLine(kLeft, kTop, kLeft, bottom);
    painter.drawLine(kLeft, bottom, right, bottom);
    for (int tenth = 0; tenth <= 10; ++tenth) {
        const int x = kLeft + plotWidth() * tenth / 10;
        painter.drawLine(x, bottom, x, bottom + kTickLength);
    }
    for (const int y : {kTop, kTop + plotHeight() / 2, bottom})
        painter.drawLine(kLeft - kTickLength, y, kLeft, y);
}

void SpeedChart::drawCurve(QPainter& painter, const SpeedChartFrame& frame) const {
    const auto points = frame.curve(plotWidth(), plotHeight());
    painter.setPen(Curve);
    for (std::size_t i = 1; i < points.size(); ++i)
        painter.drawLine(points[i - 1].x, points[i - 1].y, points[i].x, points[i].y);
    if (points.size() == 1) painter.drawPoint(points.front().x, points.front().y);
}

void SpeedChart::drawLabels(QPainter& painter, const SpeedChartFrame& frame) const {
    painter.setPen(Label);
    const int below = plotHeight() + kTop;
    drawText(painter, 3, 6, ShowInMS(frame.maximum()));
    drawText(painter, 3, static_cast<int>(height() * 0.5) - 6, ShowInMS(frame.middle()));
    drawText(painter, 3, height() - 20, ShowInMS(frame.minimum()));
    drawText(painter, 12, below, "0%");
    drawText(painter, plotWidth() / 2 + 12, below, "50%");
    const int fullWidth = painter.fontMetrics().horizontalAdvance("100%");
    drawText(painter, kLeft + plotWidth() - fullWidth, below, "100%");
}

void SpeedChart::drawText(QPainter& painter, int x, int top, const std::string& text) const {
    painter.drawText(x, top + painter.fontMetrics().ascent(), QString::fromStdString(text));
}

}  // namespace quorvex
