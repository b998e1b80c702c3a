#include <QTreeWidget>
#include <QTest>

#include "BrowserFixture.h"
#include "BrowserTexts.h"

namespace quorvex {
namespace {

namespace fs = std::filesystem;
using test::BrowserFixture;

class BrowserFoldersTest : public BrowserFixture {
protected:
    void SetUp() override {
        BrowserFixture::SetUp();
        browser->setAllowMultySelect(false);
        browser->setCurrentPath(root());
    }
    QStringList selectedTexts() const {
        QStringList texts;
        for (const QTreeWidgetItem* item : browser->FilesList()->selectedItems())
            texts << item->text(0);
        return texts;
    }
};

// A folder that cannot be made (its parent is missing, or a file holds the name) is reported.
TEST_F(BrowserFoldersTest, NewFolderIsCreatedAndSelectedAnExistingOneSelectedCancelChangesNothing) {
    press(3);
    EXPECT_TRUE(fs::is_empty(root()));
    EXPECT_TRUE(rowTexts().isEmpty());

    make("old");
    make("other");
    browser->ShowFilesList();
    folderNames.answerWith("fresh");
    press(3);
    EXPECT_TRUE(fs::is_directory(root() + "fresh"));
    EXPECT_EQ(selectedTexts(), QStringList({"fresh"}));
    folderNames.answerWith("old");
    press(3);
    EXPECT_EQ(selectedTexts(), QStringList({"old"}));
    EXPECT_TRUE(prompts.shown().empty());

    folder.write("taken", "a file holds this name");
    for (const std::string name : {"missing/inner", "taken"}) {
        folderNames.answerWith(name);
        press(3);
    }
    ASSERT_EQ(prompts.shown().size(), 2u);
    EXPECT_EQ(prompts.shown()[1].icon, PromptIcon::Critical);
    EXPECT_EQ(prompts.shown()[0].text, text(BrowserText::CannotCreateFolder));
    EXPECT_EQ(prompts.shown()[1].text, text(BrowserText::CannotCreateFolder));
    EXPECT_FALSE(fs::exists(root() + "missing"));
    EXPECT_EQ(folder.read("taken"), "a file holds this name");
}

TEST_F(BrowserFoldersTest, MultipleMarkingFollowsAllowMultySelect) {
    folder.write("a.txt", "a");
    folder.write("b.txt", "b");
    browser->ShowFilesList();
    browser->setAllowMultySelect(true);
    browser->show();
    QTreeWidget* list = browser->FilesList();
    const QRect first = list->visualItemRect(row("a.txt"));
    const QRect second = list->visualItemRect(row("b.txt"));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, first.center());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier, second.center());
    EXPECT_EQ(selectedTexts().size(), 2);

    browser->setAllowMultySelect(false);
    list->clearSelection();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, first.center());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier, second.center());
    EXPECT_EQ(selectedTexts(), QStringList({"b.txt"}));
}

}  // namespace
}  // namespace quorvex
