#include <gtest/gtest.h>

#include "ProgressLine.h"

namespace quorvex {
namespace {

class ProgressLineTest : public ::testing::Test {
  protected:
    TextTable empty_{};
    RescueTexts texts_{empty_};
    ProgressLine line_{texts_};
};

TEST_F(ProgressLineTest, TheLineFitsTheWidthAndKeepsTheEndOfThePath) {
    RunStatus status;
    status.currentItem = std::string(200, 'p') + "/\xc3\xa9t\xc3\xa9-photo.jpg";
    status.figures.fileProgress = 50;
    status.figures.StatR[2] = "12 Mb/s";
    for (const int width : {20, 40, 80, 132}) {
        const std::string shown = line_.format(status, width);
        EXPECT_LE(ProgressLine::columns(shown), static_cast<std::size_t>(width - 1)) << shown;
        EXPECT_TRUE(shown.starts_with("50% [##########")) << shown;
        if (width < 80) continue;
        EXPECT_NE(shown.find("Speed: 12 Mb/s"), std::string::npos) << shown;
        EXPECT_TRUE(shown.ends_with("\xc3\xa9t\xc3\xa9-photo.jpg")) << shown;
    }
}

TEST_F(ProgressLineTest, CutsFallBetweenCharactersAndControlBytesAreShownEscaped) {
    const std::string accents = "\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9";
    EXPECT_EQ(ProgressLine::tailFitting(accents, 5), accents);
    EXPECT_EQ(ProgressLine::tailFitting(accents, 4), "...\xc3\xa9");
    EXPECT_EQ(ProgressLine::tailFitting("short", 5), "short");
    RunStatus status;
    status.currentItem = "a\nb\x1b[2J";
    EXPECT_TRUE(line_.format(status, 80).ends_with("a\\x0Ab\\x1B[2J"));
}

}  // namespace
}  // namespace quorvex
