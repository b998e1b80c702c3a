#include <QTreeWidget>
#include <QTest>

#include "BrowserFixture.h"
#include "BrowserTexts.h"
#include "ExtensionSlots.h"

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

TEST_F(BrowserFoldersTest, NewFolderIsCreatedListedAndSelected) {
    folderNames.answerWith("fresh");
    press(3);
    EXPECT_TRUE(fs::is_directory(root() + "fresh"));
    EXPECT_EQ(selectedTexts(), QStringList({"fresh"}));
    EXPECT_EQ(folderNames.lastPrompt, text(BrowserText::NewFolderPrompt));
    EXPECT_EQ(folderNames.lastTitle, text(BrowserText::NewFolderTitle));
    EXPECT_TRUE(prompts.shown().empty());
}

TEST_F(BrowserFoldersTest, NewFolderWithAnExistingNameSelectsThatFolder) {
    make("old");
    make("other");
    browser->ShowFilesList();
    folderNames.answerWith("old");
    press(3);
    EXPECT_EQ(selectedTexts(), QStringList({"old"}));
    EXPECT_TRUE(prompts.shown().empty());
}

TEST_F(BrowserFoldersTest, CancelledNewFolderChangesNothing) {
    press(3);
    EXPECT_TRUE(fs::is_empty(root()));
    EXPECT_TRUE(rowTexts().isEmpty());
    EXPECT_TRUE(prompts.shown().empty());
}

TEST_F(BrowserFoldersTest, AFolderThatCannotBeCreatedIsReported) {
    folder.write("taken", "a file holds this name");
    for (const std::string name : {"missing/inner", "taken"}) {
        folderNames.answerWith(name);
        press(3);
    }
    ASSERT_EQ(prompts.shown().size(), 2u);
    EXPECT_EQ(prompts.shown()[0].icon, PromptIcon::Critical);
    EXPECT_EQ(prompts.shown()[0].text, text(BrowserText::CannotCreateFolder));
    EXPECT_FALSE(fs::exists(root() + "missing"));
}

TEST_F(BrowserFoldersTest, NewFolderButtonFollowsAllowCreateFolders) {
    browser->show();
    browser->setAllowCreateFolders(false);
    EXPECT_FALSE(browser->AllowCreateFolders());
    browser->setAllowCreateFolders(true);
    EXPECT_TRUE(browser->AllowCreateFolders());
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

TEST_F(BrowserFoldersTest, OneIconIsFetchedPerExtensionWhateverItsCase) {
    folder.write("a.TXT", "a");
    folder.write("b.txt", "b");
    folder.write("c.pdf", "c");
    folder.write("README", "r");
    browser->ShowFilesList();
    browser->ShowFilesList();

    ASSERT_EQ(shell.asked.size(), 2u);
    const QIcon upper = row("a.TXT")->icon(0);
    EXPECT_EQ(upper.cacheKey(), row("b.txt")->icon(0).cacheKey());
    EXPECT_NE(upper.cacheKey(), row("c.pdf")->icon(0).cacheKey());
    EXPECT_NE(upper.cacheKey(), row("README")->icon(0).cacheKey());
}

TEST(ExtensionSlotsTest, FilesWithoutExtensionOrWithoutFreeSlotShareTheGenericPicture) {
    ExtensionSlots table(4);
    EXPECT_EQ(table.slotFor(ExtensionSlots::extensionOf("README")).picture,
              ExtensionSlots::GenericPicture);
    const ExtensionSlots::Slot txt = table.slotFor(ExtensionSlots::extensionOf("a.TXT"));
    EXPECT_TRUE(txt.added);
    EXPECT_EQ(table.slotFor("txt").picture, txt.picture);
    EXPECT_FALSE(table.slotFor("txt").added);
    EXPECT_EQ(table.slotFor("pdf").picture, txt.picture + 1);
    const ExtensionSlots::Slot overflow = table.slotFor("doc");
    EXPECT_EQ(overflow.picture, ExtensionSlots::GenericPicture);
    EXPECT_FALSE(overflow.added);
    EXPECT_EQ(ExtensionSlots::extensionOf("archive.tar.GZ"), "gz");
}

}  // namespace
}  // namespace quorvex
