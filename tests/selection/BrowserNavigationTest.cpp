#include <QTest>

#include "BrowserFixture.h"
#include "BrowserTexts.h"

namespace quorvex {
namespace {

namespace fs = std::filesystem;
using test::BrowserFixture;

class BrowserNavigationTest : public BrowserFixture {};

TEST_F(BrowserNavigationTest, OpeningAFolderRowShowsItFoldersFirstAndEnablesBack) {
    make("docs/inner");
    put("docs/a.txt", "a");
    browser->setCurrentPath(root());
    EXPECT_FALSE(browser->navigationButton(1)->isEnabled());

    open("docs");
    EXPECT_EQ(browser->CurrentPath(), root() + "docs/");
    EXPECT_EQ(rowTexts(), QStringList({"inner", "a.txt"}));
    EXPECT_TRUE(browser->navigationButton(1)->isEnabled());

    open("a.txt");
    EXPECT_EQ(browser->CurrentPath(), root() + "docs/");
    browser->FilesList()->setCurrentItem(row("inner"));
    QTest::keyClick(browser->FilesList(), Qt::Key_Return);
    EXPECT_EQ(browser->CurrentPath(), root() + "docs/inner/");
}

TEST_F(BrowserNavigationTest, BackReturnsThroughTheTenMostRecentFoldersOnly) {
    std::string path;
    for (int level = 1; level <= 12; ++level) path += "d" + std::to_string(level) + "/";
    make(path);
    browser->setCurrentPath(root());
    for (int level = 1; level <= 12; ++level) open(QString("d%1").arg(level));

    std::string expected = root() + path;
    for (int step = 0; step < 10; ++step) {
        press(1);
        expected = expected.substr(0, expected.rfind('/', expected.size() - 2) + 1);
        EXPECT_EQ(browser->CurrentPath(), expected) << "step " << step;
    }
    EXPECT_EQ(browser->CurrentPath(), root() + "d1/d2/");
    EXPECT_FALSE(browser->navigationButton(1)->isEnabled());
}

TEST_F(BrowserNavigationTest, UpGoesToTheParentAndIsDisabledAtTheMountPoint) {
    make("a/b");
    browser->setCurrentPath(root() + "a/b");
    EXPECT_EQ(browser->CurrentPath(), root() + "a/b/");
    ASSERT_TRUE(browser->navigationButton(2)->isEnabled());

    press(2);
    EXPECT_EQ(browser->CurrentPath(), root() + "a/");
    QTest::keyClick(browser->FilesList(), Qt::Key_Backspace);
    EXPECT_EQ(browser->CurrentPath(), root());
    EXPECT_FALSE(browser->navigationButton(2)->isEnabled());
    EXPECT_EQ(browser->PathBack(root()), root());

    press(1);
    EXPECT_EQ(browser->CurrentPath(), root() + "a/");
}

// An audio CD shows its own error panel in place of the list.
TEST_F(BrowserNavigationTest, AFolderThatVanishedShowsTheErrorPanelAndBackStillWorks) {
    make("gone");
    put("cd/track.txt", "t");
    drives.add(root() + "cd/", DriveType::CdRom, "Audio CD");
    browser->setCurrentPath(root());
    fs::remove(root() + "gone");

    open("gone");
    EXPECT_TRUE(browser->errorShown());
    EXPECT_EQ(browser->errorCaption().toStdString(), text(BrowserText::FolderUnreadable));
    press(1);
    EXPECT_FALSE(browser->errorShown());
    EXPECT_EQ(browser->CurrentPath(), root());

    open("cd");
    EXPECT_TRUE(browser->errorShown());
    EXPECT_EQ(browser->errorCaption().toStdString(), text(BrowserText::AudioCd));
    EXPECT_TRUE(rowTexts().isEmpty());
}

}  // namespace
}  // namespace quorvex
