#include <QFontDatabase>
#include <QFontInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <fstream>

#include "FilesAndFoldersList.h"
#include "RecoveryProcess.h"
#include "ReportHistory.h"
#include "TitleStrip.h"
#include "WizardRig.h"

namespace quorvex::test {
namespace {

class WizardWindowTest : public WizardRig {
  protected:
    static QString caption(int index, int language = 1) {
        return QString::fromStdString("  " + mainText(index, language));
    }
};

TEST_F(WizardWindowTest, OpensOnTheMenuWithEveryNamedControl) {
    Wizard& window = open();
    QStringList names{"TitlePicture",
                      "FlagsArrow",
                      "Command10",
                      "Command11",
                      "Command12",
                      "MainMenu",
                      "Label5_0",
                      "Label5_1",
                      "DesignC",
                      "Timer1",
                      "MediaTimer1",
                      "DrivesList1",
                      "FilesAndFoldersList1",
                      "DrivesList2",
                      "FilesAndFoldersList2",
                      "RecoveryProcess1",
                      "ReportsHistoryList",
                      "Adv2nd",
                      "adv",
                      "Adv3ed",
                      "Adv4th"};
    for (int i = 0; i < 8; ++i)
        names << QString("mainframe_%1").arg(i) << QString("Tips_%1").arg(i);
    for (int i = 0; i < 4; ++i) names << QString("Flags_%1").arg(i);
    for (const QString& name : names)
        EXPECT_NE(window.findChild<QObject*>(name), nullptr) << name.toStdString();

    EXPECT_EQ(shownPages(), std::vector<int>{0});
    EXPECT_EQ(named("mainframe_0")->width(), 640);
    EXPECT_FALSE(button("Command10").isEnabled());
    EXPECT_TRUE(button("Command11").isEnabled());
    EXPECT_TRUE(button("Command12").isEnabled());
    EXPECT_EQ(button("Command11").text(), caption(38));
    EXPECT_EQ(button("Command12").text(), caption(36));
    EXPECT_EQ(window.navigation().WizardTask, 1);
    const auto& menu = *named<QListWidget>("MainMenu");
    ASSERT_EQ(menu.count(), 4);
    EXPECT_EQ(menu.item(0)->text().toStdString(), mainText(8));
    EXPECT_EQ(menu.item(3)->text().toStdString(), mainText(16));
    EXPECT_EQ(menu.currentRow(), 0);
    EXPECT_EQ(named<QLabel>("Tips_4")->text().toStdString(), mainText(7));
}

TEST_F(WizardWindowTest, EnterMovesOnOrPressesTheFocusedButton) {
    Wizard& window = open();
    std::vector<std::pair<int, int>> edges;
    pump.onPause = [&] {
        edges.emplace_back(named("mainframe_0")->x(), named("mainframe_1")->x());
    };
    press(Qt::Key_Return);
    EXPECT_EQ(window.navigation().CurrentPage, 1);
    EXPECT_EQ(shownPages(), std::vector<int>{1});
    EXPECT_EQ(named("mainframe_1")->x(), 0);
    ASSERT_EQ(edges.size(), 7u);
    EXPECT_EQ(edges[2], std::make_pair(-300, 340));
    EXPECT_TRUE(button("Command10").isEnabled());
    EXPECT_TRUE(button("Command11").isEnabled());
    EXPECT_EQ(named<TitleStrip>("TitlePicture")->colour(), PageSlide::RestingTitle);

    window.navigation().WizardTask = 6;
    button("Command10").setFocus();
    press(Qt::Key_Enter);
    EXPECT_EQ(shownPages(), std::vector<int>{0});
    EXPECT_FALSE(button("Command10").isEnabled());
    EXPECT_TRUE(button("Command11").isEnabled());
    EXPECT_EQ(window.navigation().WizardTask, 1) << "the task is read again from the menu";
}

TEST_F(WizardWindowTest, KeysDoNothingWhileTheirButtonsAreDisabled) {
    Wizard& window = open();
    window.SetNavButtons(false, false, false);
    press(Qt::Key_Return);
    press(Qt::Key_Escape);
    EXPECT_EQ(shownPages(), std::vector<int>{0});
    EXPECT_TRUE(window.isVisible());
    window.SetNavButtons(false, true, true);
    press(Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible()) << "Cancel on the menu page ends the program";
}

TEST_F(WizardWindowTest, FlagsSwitchTheLanguageAndMoveTheMarker) {
    Wizard& window = open("0");
    const QWidget& arrow = *named("FlagsArrow");
    EXPECT_EQ(arrow.x(), named("Flags_0")->x()) << "a stored language below 1 is the first flag";
    EXPECT_EQ(named("Flags_2")->toolTip(), "French");
    button("Flags_1").click();
    EXPECT_EQ(arrow.x(), named("Flags_1")->x());
    EXPECT_EQ(store.language(), "2");
    EXPECT_EQ(state.CurrentLanguage, 2);
    EXPECT_EQ(button("Command11").text(), caption(38, 2));
    EXPECT_EQ(named<QListWidget>("MainMenu")->item(1)->text().toStdString(), mainText(14, 2));
    EXPECT_EQ(window.windowTitle().toStdString(), mainText(1, 2) + " v1.32 " + mainText(3, 2));
    EXPECT_FALSE(state.Lang_RPText[1].empty()) << "the recovery control's texts follow";
}

TEST_F(WizardWindowTest, TitleIsDrawnInItsColourAndFitsBesideTheFlagsInEveryLanguage) {
    Wizard& window = open();
    auto& title = *named<TitleStrip>("TitlePicture");
    const auto countColour = [&](QColor colour) {
        const QImage image = title.grab().toImage();
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) count += image.pixelColor(x, y) == colour;
        return count;
    };
    EXPECT_GT(countColour(QColor(0, 0, 150)), 50);
    window.ReDrawTitle({200, 0, 0});
    EXPECT_EQ(countColour(QColor(0, 0, 150)), 0);
    EXPECT_GT(countColour(QColor(200, 0, 0)), 50);
    const QFontInfo name(TitleStrip::nameFont());
    const QFontInfo subtitle(TitleStrip::subtitleFont());
    EXPECT_TRUE(QFontDatabase::isSmoothlyScalable(name.family())) << name.family().toStdString();
    EXPECT_TRUE(QFontDatabase::isSmoothlyScalable(subtitle.family()));
    EXPECT_NE(name.family(), subtitle.family()) << "a sans face for the name, a serif one after it";
    EXPECT_TRUE(name.bold() && !name.italic());
    EXPECT_TRUE(subtitle.italic() && !subtitle.bold());
    for (int flag = 0; flag < 4; ++flag) {
        button(QString("Flags_%1").arg(flag).toUtf8()).click();
        EXPECT_LT(title.textRight(), title.width()) << "language " << flag + 1;
    }
}

TEST_F(WizardWindowTest, TitleOpensTheVendorPageAndARefusalIsTold) {
    open("2");
    QMouseEvent click(QEvent::MouseButtonRelease, QPointF(20, 10), QPointF(20, 10), Qt::LeftButton,
                      Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(named("TitlePicture"), &click);
    ASSERT_EQ(shell.opened.size(), 1u);
    EXPECT_EQ(shell.opened[0], "https://quorvex.app/index.php?q=126&l=1");
    shell.accepts = false;
    QApplication::sendEvent(named("TitlePicture"), &click);
    ASSERT_EQ(prompts.shown().size(), 1u);
    EXPECT_NE(prompts.shown()[0].text.find(mainText(22, 2)), std::string::npos);
}

TEST_F(WizardWindowTest, TheAboutLinkOpensTheAboutBoxModallyInTheCurrentLanguage) {
    open("3");
    QString shownTitle;
    bool modal = false;
    QTimer::singleShot(0, [&] {
        QWidget* box = QApplication::activeModalWidget();
        if (box == nullptr) return;
        modal = true;
        shownTitle = box->findChild<QLabel*>("lblVersion")->text();
        box->findChild<QAbstractButton*>("cmdOK")->click();
    });
    emit named<QLabel>("DesignC")->linkActivated("about");
    EXPECT_TRUE(modal);
    EXPECT_EQ(shownTitle.toStdString(), mainText(3, 3) + " v1.32");
}

TEST_F(WizardWindowTest, HistoryTaskMovesOnlyWhenAReportIsKept) {
    Wizard& window = open();
    named<QListWidget>("MainMenu")->setCurrentRow(3);
    button("Command11").click();
    EXPECT_EQ(shownPages(), std::vector<int>{0});
    EXPECT_FALSE(button("Command10").isEnabled());
    ASSERT_EQ(prompts.shown().size(), 1u);
    EXPECT_EQ(prompts.shown()[0].text, mainText(17));

    RunReport report;
    report.outcome = RunOutcome::Completed;
    ReportHistory(historyPath()).append(report);
    button("Command11").click();
    EXPECT_EQ(shownPages(), std::vector<int>{7});
    EXPECT_TRUE(button("Command10").isEnabled());
    EXPECT_FALSE(button("Command11").isEnabled());
    EXPECT_EQ(window.navigation().WizardTask, 4);
}

TEST_F(WizardWindowTest, AHistoryThatIsNotOursIsToldOnceAndLeftAlone) {
    open();
    std::ofstream(historyPath()) << "not a history";
    named<QListWidget>("MainMenu")->setCurrentRow(3);
    button("Command11").click();
    button("Command11").click();
    EXPECT_EQ(shownPages(), std::vector<int>{0});
    ASSERT_EQ(prompts.shown().size(), 1u);
    EXPECT_EQ(prompts.shown()[0].text.rfind(mainText(10), 0), 0u);
    EXPECT_EQ(folder.read("reports.sir"), "not a history");
    button("Command12").click();
    EXPECT_FALSE(wizard->isVisible()) << "the window keeps working";
}

// Cancel (Escape) and closing the window during a copy both ask to stop the run; an abort
// answer ends on the report page with the window still open.
TEST_F(WizardWindowTest, StoppingARunLeadsToTheReportPageInsteadOfEndingTheProgram) {
    const std::vector<std::function<void(Wizard&)>> stops{
        [this](Wizard&) { press(Qt::Key_Escape); }, [](Wizard& window) { window.close(); }};
    for (std::size_t round = 0; round < stops.size(); ++round) {
        const auto& stop = stops[round];
        Wizard& window = open();
        const std::string source = folder.path() + "source" + std::to_string(round);
        std::filesystem::create_directories(source);
        for (const char* name : {"/a.bin", "/b.bin"})
            std::ofstream(source + name) << std::string(1 << 20, 'x');
        // The first round's stopped run stands first in the menu; the recovery entry follows.
        auto* menu = named<QListWidget>("MainMenu");
        ASSERT_EQ(menu->count(), round == 0 ? 4 : 5);
        menu->setCurrentRow(static_cast<int>(round));
        button("Command11").click();
        auto& browser = *named<FilesAndFoldersList>("FilesAndFoldersList1");
        browser.setCurrentPath(source);
        browser.FilesList()->selectAll();
        button("Command11").click();
        ASSERT_EQ(shownPages(), std::vector<int>{3});
        named<FilesAndFoldersList>("FilesAndFoldersList2")->setCurrentPath(folder.path());
        const RecoveryState& run = named<RecoveryProcess>("RecoveryProcess1")->state();
        bool stopped = false;
        pump.onPause = [&] {
            if (!run.isCopyingProcess || stopped) return;
            stopped = true;
            EXPECT_EQ(button("Command12").text(), caption(35));
            EXPECT_FALSE(button("Command10").isEnabled() || button("Command11").isEnabled());
            recoveryPrompts.answerAbort(AbortAnswer::Abort);
            stop(window);
        };
        button("Command11").click();
        EXPECT_TRUE(stopped);
        EXPECT_TRUE(window.isVisible());
        EXPECT_EQ(shownPages(), std::vector<int>{6});
        EXPECT_TRUE(button("Command10").isEnabled());
        EXPECT_FALSE(button("Command11").isEnabled());
        EXPECT_EQ(button("Command10").text(), caption(61));
        pump.onPause = nullptr;
    }
    // The report page's button continues the aborted run to its end.
    ASSERT_TRUE(button("ReportDetails").isEnabled());
    button("ReportDetails").click();
    EXPECT_EQ(shownPages(), std::vector<int>{6});
    EXPECT_EQ(named<QLineEdit>("ConfermReportValue_2")->text().toStdString(), mainText(137));
    EXPECT_FALSE(button("ReportDetails").isEnabled());
    for (const char* name : {"a.bin", "b.bin"})
        EXPECT_EQ(std::filesystem::file_size(folder.path() + name), 1u << 20) << name;
}

}  // namespace
}  // namespace quorvex::test
