#pragma once

#include <QWidget>
#include <optional>
#include <string>

#include "MonotonicClock.h"
#include "SpeedChartFrame.h"
#include "SpeedGauge.h"
#include "SpeedSampler.h"

namespace quorvex {

// The transfer-speed chart of one file: a white curve over a dark plot with scale labels.
class SpeedChart : public QWidget, public SpeedGauge {
    Q_OBJECT

public:
    static inline const QColor Background{30, 30, 30};
    static inline const QColor Axis{0, 100, 0};
    static inline const QColor Curve{255, 255, 255};
    static inline const QColor Label{200, 200, 200};

    explicit SpeedChart(const MonotonicClock& clock, QWidget* parent = nullptr);

    void ReStart(std::int64_t total) override;
    void UpdateChart(std::int64_t bytes) override;
    double Speed() const override { return sampler_.Speed(); }

    // A speed as size text per second, of its whole bytes: "12 Kb/s".
    static std::string ShowInMS(double speed);
    static std::string ShowAsBytes(double bytes);

    QSize sizeHint() const override { return {320, 140}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int plotWidth() const { return width() - 30; }
    int plotHeight() const { return height() - 25; }
    void drawPlotArea(QPainter& painter) const;
    void drawCurve(QPainter& painter, const SpeedChartFrame& frame) const;
    void drawLabels(QPainter& painter, const SpeedChartFrame& frame) const;
    void drawText(QPainter& painter, int x, int top, const std::string& text) const;

    SpeedSampler sampler_;
    // What was drawn last; it stays on screen between files until the next sample.
    std::optional<SpeedChartFrame> shown_;
};

}  // namespace quorvex
