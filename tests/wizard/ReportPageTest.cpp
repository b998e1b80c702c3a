#include <gtest/gtest.h>

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include "LanguageTableSource.h"
#include "ReportPage.h"

namespace quorvex::test {
namespace {

// Texts that are their own index numbers ("t57"), so each box shows which text it took.
SharedState numberedTexts() {
    SharedState state;
    for (std::size_t index = 0; index < state.Lang_MainText.size(); ++index)
        state.Lang_MainText[index] = "t" + std::to_string(index);
    return state;
}

SharedState shippedTexts(int language) {
    SharedState state;
    for (const auto& [index, row] : readLanguageTable(QUORVEX_LANGUAGE_SOURCES "qvx_light_131.tsv"))
        state.Lang_MainText[static_cast<std::size_t>(index)] =
            row[static_cast<std::size_t>(language)];
    return state;
}

class ReportPageTest : public ::testing::Test {
  protected:
    ReportPageTest() {
        page.applyTexts(state);
        run.Items_Count = 10;
        run.ItemsNotCopied_Count = 2;
        run.CorruptedFilesCount = 1;
        run.CurrentFile = 3;
        run.TotalCopiedBytes = 6 * 1024 * 1024;
        run.TotalLostBytes = 16384;
    }
    QString box(int number) {
        return page.findChild<QLineEdit*>("ConfermReportValue_" + QString::number(number))->text();
    }
    QLabel* tip() { return page.findChild<QLabel*>("Tips_2"); }
    bool frameShown(int number) {
        return !page.findChild<QFrame*>("ReportPageDiv_" + QString::number(number))->isHidden();
    }
    QStringList damagedLines() {
        QStringList lines;
        const auto* list = page.findChild<QListWidget*>("Page3_Info");
        for (int row = 0; row < list->count(); ++row) lines << list->item(row)->text();
        return lines;
    }

    SharedState state = numberedTexts();
    ReportPage page;
    RecoveryState run;
};

TEST_F(ReportPageTest, ShowsHowTheRunEndedForEachPairOfFlags) {
    struct Case {
        bool stoppedEarly;
        bool paused;
        const char* result;
        const char* tip;
        QColor tipColour;
        bool leftFrameShown;
        const char* left;
    };
    const Case cases[] = {
        {false, true, "t137", "t51", QColor(0, 0, 192), false, ""},
        {true, true, "t129", "t75", QColor(0, 190, 0), true, "7 t57"},
        {true, false, "t75", "t75", QColor(255, 0, 0), false, ""},
        {false, false, "t137", "t51", QColor(0, 0, 192), false, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "flags " << c.stoppedEarly << " " << c.paused);
        page.ShowSummary(c.stoppedEarly, c.paused, run, {}, state);
        EXPECT_EQ(box(0), "8 t57");
        EXPECT_EQ(box(1), "1 t57");
        EXPECT_EQ(box(10), "2 t57");
        EXPECT_EQ(box(4), "6 Mb");
        EXPECT_EQ(box(5), "16 Kb");
        EXPECT_EQ(box(8), "t52");
        EXPECT_EQ(box(2), c.result);
        EXPECT_EQ(tip()->text(), c.tip);
        EXPECT_EQ(tip()->palette().color(QPalette::WindowText), c.tipColour);
        EXPECT_EQ(frameShown(2), c.leftFrameShown);
        EXPECT_EQ(box(9), c.left);
        EXPECT_TRUE(frameShown(0) && frameShown(1));
    }
}

TEST_F(ReportPageTest, ListsDamagedFilesWithTheirLostRangesInPlainWords) {
    state = shippedTexts(0);
    page.applyTexts(state);
    DamageRecord damaged;
    damaged.source = "/media/disc/a.bin";
    damaged.File1Size = 65536;
    damaged.ranges = {{8193, 16384}, {40961, 49152}};
    damaged.lostBytes = 16384;
    damaged.Copied = 65536;
    DamageRecord stopped;
    stopped.source = "/media/disc/b.bin";
    stopped.File1Size = 65536;
    stopped.Copied = 20000;

    page.ShowSummary(false, true, run, {damaged, stopped}, state);
    EXPECT_EQ(damagedLines(),
              QStringList({"/media/disc/a.bin:  lost 16 Kb at bytes 8193-16384, 40961-49152",
                           "/media/disc/b.bin:  copied up to byte 20000 of 65536"}));

    page.ShowSummary(false, true, run, {}, state);
    EXPECT_EQ(damagedLines(), QStringList({"No file was damaged."}));
}

TEST_F(ReportPageTest, ALanguageChangeKeepsHowTheShownRunEnded) {
    page.ShowSummary(true, true, run, {}, state);
    const SharedState russian = shippedTexts(1);
    page.applyTexts(russian);
    EXPECT_EQ(tip()->text().toStdString(), russian.Lang_MainText[75]);
    EXPECT_EQ(box(2).toStdString(), russian.Lang_MainText[129]);
    EXPECT_EQ(tip()->palette().color(QPalette::WindowText), QColor(0, 190, 0));
    EXPECT_TRUE(frameShown(2));
}

}  // namespace
}  // namespace quorvex::test
