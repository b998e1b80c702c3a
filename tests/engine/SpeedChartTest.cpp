#include <QImage>
#include <gtest/gtest.h>

#include "ManualClock.h"
#include "SpeedChart.h"

namespace quorvex {
namespace {

// A chart of 230 x 125 pixels has a plot of 200 x 100 from (10, 15) to (210, 115); a sample
// is drawn at y = (H + 15) - H / ((max - min) / (sample + 1 - min)).
class SpeedChartTest : public ::testing::Test {
protected:
    SpeedChartTest() { chart.resize(230, 125); }

    QColor pixel(int x, int y) { return chart.grab().toImage().pixelColor(x, y); }
    bool curveCrossesColumn(int x, int fromY, int toY) {
        const QImage image = chart.grab().toImage();
        for (int y = fromY; y <= toY; ++y)
            if (image.pixelColor(x, y) == SpeedChart::Curve) return true;
        return false;
    }

    test::ManualClock clock;
    SpeedChart chart{clock};
};

// The picture stays until the next file is sampled.
TEST_F(SpeedChartTest, DrawsTheCurveOverTheDarkPlotBetweenGreenAxes) {
    chart.ReStart(1000);
    clock.advance(1.0);
    chart.UpdateChart(250);
    clock.advance(1.0);
    chart.UpdateChart(750);

    EXPECT_EQ(pixel(60, 69), SpeedChart::Curve) << "sample of slot 25";
    EXPECT_EQ(pixel(160, 24), SpeedChart::Curve) << "sample of slot 75";
    EXPECT_TRUE(curveCrossesColumn(110, 46, 47)) << "the line joining them";
    EXPECT_FALSE(curveCrossesColumn(40, 16, 114)) << "nothing before the first sample";
    EXPECT_EQ(pixel(110, 90), SpeedChart::Background);
    EXPECT_EQ(pixel(200, 100), SpeedChart::Background);
    EXPECT_EQ(pixel(10, 80), SpeedChart::Axis) << "left axis";
    EXPECT_EQ(pixel(150, 115), SpeedChart::Axis) << "bottom axis";
    EXPECT_EQ(pixel(110, 118), SpeedChart::Axis) << "tick at 50%";
    chart.ReStart(5000);
    EXPECT_EQ(pixel(60, 69), SpeedChart::Curve);
}

TEST_F(SpeedChartTest, ShowsSpeedsAsWholeBytesPerSecond) {
    EXPECT_EQ(SpeedChart::ShowInMS(5120.9), "5120 b/s");
    EXPECT_EQ(SpeedChart::ShowInMS(2.5 * 1024 * 1024 * 4), "10 Mb/s");
    EXPECT_EQ(SpeedChart::ShowInMS(-1.0), "-1 b/s");
}

}  // namespace
}  // namespace quorvex
