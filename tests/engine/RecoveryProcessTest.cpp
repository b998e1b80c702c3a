#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <array>
#include <filesystem>
#include <map>

#include "ErrorNumberOf.h"
#include "IfFileExist.h"
#include "RecoveryProcessRig.h"
#include "RunTimeError.h"

namespace quorvex {
namespace {

using RecoveryProcessTest = test::RecoveryProcessRig;

std::string pattern(std::size_t size) {
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>((i * 131 + i / 4099) % 251);
    return bytes;
}

int curvePixels(const QImage& chart) {
    int count = 0;
    for (int y = 0; y < chart.height(); ++y)
        for (int x = 0; x < chart.width(); ++x)
            count += chart.pixelColor(x, y) == SpeedChart::Curve ? 1 : 0;
    return count;
}

TEST_F(RecoveryProcessTest, ACompleteRunShowsItsHistoryAndFigures) {
    std::filesystem::create_directory(source.file("sub"));
    source.write("a.txt", "hello");
    source.write("sub/big.bin", pattern(1 << 20));
    addItem("\t" + source.file("sub"));
    addItem(source.file("a.txt"));
    addItem(source.file("sub/big.bin"));

    process.StartProcess();

    const auto q = [](const std::string& text) { return QString::fromStdString(text); };
    EXPECT_EQ(lines(), QStringList({"Recovery started",
                                    q("Creating folder: \"" + destination.file("sub") + "\"."),
                                    q(source.file("a.txt") + " - ok"),
                                    q(source.file("sub/big.bin") + " - ok"), "Recovery finished"}));
    EXPECT_EQ(caption(), "Recovery finished");
    EXPECT_EQ(shown<QLineEdit>("StatT0"), "3 / 3");
    EXPECT_EQ(shown<QLineEdit>("StatT1"), "1024 Kb");
    EXPECT_EQ(shown<QLabel>("TotalStat3"), "100%");
    EXPECT_EQ(bar("ProgressBar2"), 100);
    EXPECT_EQ(shown<QLineEdit>("StatR0"), "1024 Kb / 1024 Kb");
    EXPECT_EQ(shown<QLineEdit>("StatR1"), "0");
    EXPECT_EQ(shown<QLineEdit>("StatR3"), "100%");
    EXPECT_EQ(shown<QLineEdit>("StatR4"), "65536 b");
    EXPECT_TRUE(shown<QLineEdit>("StatR2").endsWith("/s"));
    EXPECT_EQ(bar("ProgressBar1"), 100);
    EXPECT_EQ(done.count(), 1);
    EXPECT_EQ(paused.count() + aborted.count(), 0);
    EXPECT_EQ(destination.read("sub/big.bin"), source.read("sub/big.bin"));
    const QImage chart = process.findChild<QWidget*>("SpeedChart1")->grab().toImage();
    EXPECT_GT(curvePixels(chart), chart.width() / 2) << "the curve of the last file";
}

TEST_F(RecoveryProcessTest, APauseDuringTheCopyKeepsTheOffsetAndTheNextRunFinishesTheFile) {
    const std::string original = pattern(1 << 20);
    source.write("big.bin", original);
    addItem(source.file("big.bin"));
    answers.answerAbort(1);
    pump.when([this] { return bar("ProgressBar1") >= 20; }, [this] { process.TerminateMe(); });

    process.StartProcess();

    const std::int64_t reached = process.job().item(1).StartPosition;
    EXPECT_EQ(paused.count(), 1);
    EXPECT_EQ(done.count() + aborted.count(), 0);
    EXPECT_GT(reached, 0);
    EXPECT_LT(reached, static_cast<std::int64_t>(original.size()));
    EXPECT_EQ(destination.read("big.bin"), original.substr(0, static_cast<std::size_t>(reached)));
    EXPECT_EQ(lines().at(1), QString::fromStdString(source.file("big.bin") + " - copy incomplete"));
    EXPECT_LT(bar("ProgressBar1"), 100);

    process.StartProcess();
    EXPECT_EQ(done.count(), 1);
    EXPECT_EQ(destination.read("big.bin"), original);
}

TEST_F(RecoveryProcessTest, EachStopAnswerRaisesItsOwnEnd) {
    addItem("\t" + source.file("only-a-folder"));
    const std::map<std::int16_t, std::array<qsizetype, 3>> expected{
        {0, {1, 0, 0}}, {1, {0, 1, 0}}, {2, {0, 0, 0}}, {3, {0, 0, 1}}};
    for (const auto& [answer, ends] : expected) {
        done.clear();
        paused.clear();
        aborted.clear();
        pump.when([] { return true; }, [this] { process.TerminateMe(); });
        answers.answerAbort(answer);
        process.StartProcess();
        EXPECT_EQ((std::array{done.count(), paused.count(), aborted.count()}), ends)
            << "answer " << answer;
    }
}

TEST_F(RecoveryProcessTest, AStartDuringARunIsIgnored) {
    source.write("a.bin", pattern(300000));
    addItem(source.file("a.bin"));
    pump.when([] { return true; }, [this] { process.StartProcess(); });
    process.StartProcess();
    EXPECT_EQ(lines().count("Recovery started"), 1);
    EXPECT_EQ(done.count(), 1);
}

TEST_F(RecoveryProcessTest, ALongPathInTheCaptionDoesNotWidenTheControl) {
    const std::string name(180, 'n');
    source.write(name, "x");
    addItem(source.file(name));
    QString captionWhileCopying;
    QString fullCaption;
    const auto frame = process.findChild<QGroupBox*>("Frame1");
    pump.when([frame] { return frame->toolTip().endsWith(" - copying..."); },
              [&] {
                  QApplication::processEvents();
                  captionWhileCopying = caption();
                  fullCaption = frame->toolTip();
              });
    process.StartProcess();
    EXPECT_EQ(process.width(), 800);
    EXPECT_TRUE(captionWhileCopying.contains(QChar(0x2026))) << captionWhileCopying.toStdString();
    EXPECT_EQ(fullCaption, QString::fromStdString(source.file(name) + " - copying..."));
}

TEST_F(RecoveryProcessTest, TextsAreStoredAndShownInTheLabels) {
    process.Lang_RPValue(3, "Rate");
    process.Lang_RPValue(7, "Sum");
    process.Lang_RPValue(14, "Go");
    process.Lang_RPValue(150, "last");
    EXPECT_EQ(shown<QLabel>("Stat2"), "Rate:");
    EXPECT_EQ(shown<QLabel>("TotalStat1"), "Sum:");
    EXPECT_EQ(shared.Lang_RPText[150], "last");
    for (const int outside : {-1, 151})
        EXPECT_EQ(test::errorNumberOf([&] { process.Lang_RPValue(outside, "x"); }),
                  ErrorNumber::SubscriptOutOfRange)
            << "index " << outside;
    addItem("\t" + source.file("folder"));
    process.StartProcess();
    EXPECT_EQ(lines().front(), "Go");

    shared.Lang_RPText = test::recoveryTextsIn(1);
    process.retranslate();
    EXPECT_EQ(shown<QLabel>("Stat0"), "Скопировано:");
    EXPECT_EQ(shown<QLabel>("TotalStat2"), "Общий прогресс:");
}

// Without prompts of the host's, the control asks with its own dialogs.
TEST_F(RecoveryProcessTest, ItsOwnExistingFileQuestionShowsThePathAndSkipLeavesTheFile) {
    RecoveryProcess own({files, folders, messages, pump, clock}, shared);
    own.state().SourcePath = source.path();
    own.state().DestinationPath = destination.path();
    source.write("a.txt", "new");
    destination.write("a.txt", "old");
    own.job().append(JobItem{source.file("a.txt")});
    own.state().Items_Count = 1;
    QString asked;
    QTimer::singleShot(0, [&asked] {
        auto* dialog = qobject_cast<IfFileExist*>(QApplication::activeModalWidget());
        if (dialog == nullptr) return;
        asked = dialog->findChild<QLineEdit*>("ExFile")->text();
        dialog->findChild<QPushButton*>("Button2")->click();
    });
    own.StartProcess();
    EXPECT_EQ(asked, QString::fromStdString(destination.file("a.txt")));
    EXPECT_EQ(destination.read("a.txt"), "old");
}

}  // namespace
}  // namespace quorvex
