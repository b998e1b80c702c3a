#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include "BannerBox.h"
#include "LanguageTableSource.h"
#include "Languages.h"
#include "MemorySettingsStore.h"
#include "PosixFileLayer.h"
#include "PosixSystemCalls.h"
#include "ProgramPictures.h"
#include "TemporaryFolder.h"
#include "frmAbout.h"

namespace quorvex {
namespace {

class IgnoringView final : public LanguageView {
public:
    void showMainTexts(const SharedState&) override {}
};

// The about box and the banner box with the program's own texts, switched the way the flags of
// the main window switch them.
class AboutBoxTest : public ::testing::Test {
protected:
    AboutBoxTest() { state.ProgramPath = programFolder.path(); }

    void applyLanguage(std::int16_t language) { languages.ApplyLanguage(language, view); }
    std::string expected(int index, int language) const { return rows.at(index)[language - 1]; }
    static std::string text(const QWidget& parent, const char* name) {
        return parent.findChild<QLabel*>(name)->text().toStdString();
    }

    const std::map<int, std::array<std::string, 4>> rows =
        test::readLanguageTable(QUORVEX_LANGUAGE_SOURCES "qvx_light_131.tsv");
    test::TemporaryFolder programFolder;
    PosixSystemCalls calls;
    PosixFileLayer files{calls};
    test::MemorySettingsStore store;
    UserSettings settings{store};
    SharedState state;
    Languages languages{files, settings, state, QUORVEX_BUILD_DATA_DIR};
    IgnoringView view;
};

TEST_F(AboutBoxTest, ShowsTheTextsOfTheLanguageChosenLastAndOkClosesIt) {
    applyLanguage(1);
    frmAbout about(state);
    for (const int language : {1, 2, 3, 4}) {
        applyLanguage(static_cast<std::int16_t>(language));
        about.show();
        EXPECT_EQ(text(about, "lblTitle"), expected(1, language));
        EXPECT_EQ(text(about, "lblVersion"), expected(3, language) + " v1.32");
        EXPECT_EQ(text(about, "lblDescription"), expected(5, language));
        EXPECT_EQ(text(about, "Label1"), expected(93, language));
        EXPECT_EQ(about.windowTitle().toStdString(), expected(94, language));
        for (const char* name : {"lblTitle", "lblVersion", "lblDescription", "Label1"}) {
            const QLabel* label = about.findChild<QLabel*>(name);
            EXPECT_GE(label->height(), label->heightForWidth(label->width()))
                << name << " is cut off in language " << language;
        }

        QTest::mouseClick(about.findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
        EXPECT_FALSE(about.isVisible());
        EXPECT_EQ(about.result(), QDialog::Accepted);
    }
}

TEST_F(AboutBoxTest, TheBannerBoxTellsItsHintAndReportsOnlyWholeClicks) {
    QWidget page;
    auto* layout = new QVBoxLayout(&page);
    auto* banner = new BannerBox("Adv4th", &page);
    auto* below = new QLabel("below", &page);
    layout->addWidget(banner);
    layout->addWidget(below);
    applyLanguage(3);
    banner->showTexts(state);
    banner->drawPicture(ProgramPictures::bannerImage());
    page.show();
    EXPECT_EQ(banner->toolTip().toStdString(), expected(12, 3));
    EXPECT_EQ(banner->cursor().shape(), Qt::PointingHandCursor);

    QSignalSpy clicks(banner, &BannerBox::clicked);
    QTest::mouseClick(banner, Qt::LeftButton, {}, QPoint(300, 20));
    EXPECT_EQ(clicks.count(), 1);
    QTest::mouseClick(banner, Qt::RightButton, {}, QPoint(300, 20));
    QTest::mousePress(banner, Qt::LeftButton, {}, QPoint(300, 20));
    QTest::mouseRelease(banner, Qt::LeftButton, {}, QPoint(300, 90));
    EXPECT_EQ(clicks.count(), 1) << "a right click and a press dragged away are no clicks";

    const int belowTop = below->y();
    banner->hide();
    page.layout()->activate();
    EXPECT_EQ(below->y(), belowTop) << "the page keeps its place while the banner is hidden";
}

}  // namespace
}  // namespace quorvex
