#include <sys/stat.h>

#include <QLineEdit>

#include "BrowserFixture.h"
#include "BrowserTexts.h"
#include "ItemCollector.h"

namespace quorvex {
namespace {

namespace fs = std::filesystem;
using test::BrowserFixture;
using Entries = std::vector<std::string>;

class SelectionListTest : public BrowserFixture {
protected:
    void mark(const QStringList& names) const {
        for (const QString& name : names) {
            QTreeWidgetItem* item = row(name);
            ASSERT_NE(item, nullptr) << name.toStdString();
            item->setSelected(true);
        }
    }
    Entries collected() const {
        Entries entries;
        for (std::int32_t index = 1; index <= browser->Items_Count(); ++index)
            entries.push_back(browser->SelectedItemName(index));
        return entries;
    }
    // The entries a marked row gives, in the order the rows are shown.
    Entries inDisplayOrder(const std::map<QString, Entries>& blocks) const {
        Entries entries;
        for (const QString& name : rowTexts())
            if (blocks.contains(name))
                entries.insert(entries.end(), blocks.at(name).begin(), blocks.at(name).end());
        return entries;
    }
};

// Nothing marked stores nothing, and a second collection describes only itself.
TEST_F(SelectionListTest, MarkedRowsGiveTheirEntriesInDisplayOrderFoldersBeforeTheirContent) {
    make("in/f/s");
    make("in/g");
    put("in/f/s/b.txt", "bbbb");
    put("in/f/a.txt", "aa");
    put("in/x.txt", "xxxxxxx");
    put("in/unmarked.txt", "u");
    browser->setCurrentPath(root() + "in/");
    EXPECT_FALSE(browser->CreateListOfSelected());
    EXPECT_EQ(browser->Items_Count(), 0);
    mark({"f", "g", "x.txt"});

    ASSERT_TRUE(browser->CreateListOfSelected());
    const std::string in = root() + "in/";
    EXPECT_EQ(collected(),
              inDisplayOrder({{"f", {"\t" + in + "f", in + "f/a.txt", "\t" + in + "f/s/",
                                     in + "f/s/b.txt"}},
                              {"g", {"\t" + in + "g"}},
                              {"x.txt", {in + "x.txt"}}}));
    EXPECT_EQ(browser->Items_Count(), 6);
    EXPECT_DOUBLE_EQ(browser->Items_TotalSize(), 13.0);
    EXPECT_EQ(browser->PathCaption()->text().toStdString(), text(1) + ": " + in);
    EXPECT_TRUE(prompts.shown().empty());

    browser->FilesList()->clearSelection();
    mark({"x.txt"});
    ASSERT_TRUE(browser->CreateListOfSelected());
    EXPECT_EQ(collected(), Entries({in + "x.txt"}));
    EXPECT_DOUBLE_EQ(browser->Items_TotalSize(), 7.0);
    EXPECT_EQ(browser->SelectedItemName(2), "");
}

TEST_F(SelectionListTest, HiddenFilesInsideAMarkedFolderFollowShowHidden) {
    put("f/.secret", "s");
    put("f/.cache/blob", "b");
    put("f/plain", "p");
    browser->setCurrentPath(root());
    mark({"f"});
    ASSERT_TRUE(browser->CreateListOfSelected());
    EXPECT_EQ(collected(), Entries({"\t" + root() + "f", root() + "f/plain"}));

    browser->setShowHidden(true);
    ASSERT_TRUE(browser->CreateListOfSelected());
    Entries entries = collected();
    std::sort(entries.begin(), entries.end());
    EXPECT_EQ(entries, Entries({"\t" + root() + "f", "\t" + root() + "f/.cache/",
                                root() + "f/.cache/blob", root() + "f/.secret", root() + "f/plain"}));
}

TEST_F(SelectionListTest, NamesThatAreNotUtf8OrHoldTabsAreShownReadablyAndCollectedExactly) {
    const std::string odd = "bad\xff\xfe.txt";
    const std::string blank = "tab\tand\nline.txt";
    folder.write(odd, "12");
    folder.write(blank, "345");
    browser->setCurrentPath(root());
    const QString shownBlank = QString::fromUtf8("tab\u21E5and\u21B5line.txt");
    EXPECT_TRUE(rowTexts().contains(shownBlank));
    EXPECT_TRUE(rowTexts().contains(QString::fromUtf8("bad\uFFFD\uFFFD.txt")));

    browser->FilesList()->selectAll();
    ASSERT_TRUE(browser->CreateListOfSelected());
    Entries entries = collected();
    std::sort(entries.begin(), entries.end());
    EXPECT_EQ(entries, Entries({root() + odd, root() + blank}));
    EXPECT_DOUBLE_EQ(browser->Items_TotalSize(), 5.0);
}

TEST_F(SelectionListTest, WindowEventsRunAfterEveryEntryWithTheEntryInTheCaption) {
    put("f/a.txt", "a");
    browser->setCurrentPath(root());
    mark({"f"});
    std::vector<std::string> captions;
    bool listEnabled = true;
    auto record = [&] {
        captions.push_back(browser->PathCaption()->text().toStdString());
        listEnabled = listEnabled && browser->FilesList()->isEnabled();
    };
    bool firstPauseOver = false;
    events.when([] { return true; }, record);
    events.when([&] { return firstPauseOver; }, record);
    events.when([] { return true; }, [&] { firstPauseOver = true; });

    ASSERT_TRUE(browser->CreateListOfSelected());
    EXPECT_EQ(captions, Entries({text(9) + ": " + root() + "f", text(9) + ": " + root() + "f/a.txt"}));
    EXPECT_FALSE(listEnabled);
    EXPECT_TRUE(browser->FilesList()->isEnabled());
}

TEST_F(SelectionListTest, AFolderThatVanishesWhileCollectingIsReportedOnce) {
    put("f/a.txt", "a");
    folder.write("z.txt", "z");
    browser->setCurrentPath(root());
    mark({"f", "z.txt"});
    events.when([] { return true; }, [&] { fs::remove_all(root() + "f"); });

    ASSERT_TRUE(browser->CreateListOfSelected());
    EXPECT_EQ(collected(), Entries({"\t" + root() + "f", root() + "z.txt"}));
    ASSERT_EQ(prompts.shown().size(), 1u);
    EXPECT_EQ(prompts.shown()[0].text, text(BrowserText::FoldersIncomplete));
}

TEST_F(SelectionListTest, TheWholeFolderIsItsFilesThenItsSubfoldersWithoutAnEntryForItself) {
    folder.write("top.txt", "tt");
    put("sub/in.txt", "iii");
    browser->setCurrentPath(root());
    ASSERT_TRUE(browser->CreateFilesList());
    EXPECT_EQ(collected(), Entries({root() + "top.txt", "\t" + root() + "sub/", root() + "sub/in.txt"}));
    EXPECT_DOUBLE_EQ(browser->Items_TotalSize(), 5.0);

    ASSERT_TRUE(browser->GetFileNames(root(), "sub"));
    EXPECT_EQ(browser->Items_Count(), 4);
    EXPECT_EQ(browser->SelectedItemName(4), root() + "sub/in.txt");
}

TEST_F(SelectionListTest, ALinkToAFolderShowsWithTheFoldersAndOpensButIsCollectedAsTheLink) {
    put("docs/inner/deep.txt", "deep");
    put("docs/a.txt", "a");
    fs::create_directory_symlink("docs", root() + "shortcut");
    fs::create_symlink("nowhere", root() + "broken");
    ASSERT_EQ(mkfifo((root() + "pipe").c_str(), 0600), 0);
    browser->setCurrentPath(root());
    EXPECT_EQ(rowTexts(), QStringList({"docs", "shortcut", "broken"}));

    mark({"shortcut", "broken"});
    ASSERT_TRUE(browser->CreateListOfSelected());
    EXPECT_EQ(collected(), Entries({root() + "shortcut", root() + "broken"}));
    EXPECT_DOUBLE_EQ(browser->Items_TotalSize(), 0.0);

    open("shortcut");
    EXPECT_EQ(browser->CurrentPath(), root() + "shortcut/");
    EXPECT_EQ(rowTexts(), QStringList({"inner", "a.txt"}));
    press(2);
    EXPECT_EQ(browser->CurrentPath(), root());
}

// The collector without a browser: what the walk keeps, and the entry limit.
class ItemCollectorTest : public ::testing::Test {
protected:
    ItemCollectorTest() { texts[BrowserText::ListFull] = "full"; }
    Entries collected() const {
        Entries entries;
        for (std::int32_t index = 1; index <= items.Items_Count; ++index)
            entries.push_back(items.SelectedItemName(index));
        return entries;
    }

    test::TemporaryFolder folder;
    test::ScriptedPrompts prompts;
    test::ScriptedEventPump events;
    TextTable texts{};
    ItemCollector items{prompts, events, texts};
};

TEST_F(ItemCollectorTest, AFullListStopsAtItsLimitAndTellsTheUser) {
    fs::create_directory(folder.file("f"));
    for (const char* name : {"a", "b", "c", "d"}) folder.write(std::string("f/") + name, "x");
    items.setLimit(5);
    EXPECT_TRUE(items.CreateListOfSelected(folder.path(), {"f"}));
    EXPECT_EQ(items.Items_Count, 5);
    EXPECT_TRUE(prompts.shown().empty()) << "a list that just fits is complete";

    items.setLimit(3);
    EXPECT_TRUE(items.CreateListOfSelected(folder.path(), {"f"}));
    EXPECT_EQ(items.Items_Count, 3);
    EXPECT_DOUBLE_EQ(items.Items_TotalSize, 2.0);
    ASSERT_EQ(prompts.shown().size(), 1u);
    EXPECT_EQ(prompts.shown()[0].text, "full");
    EXPECT_FALSE(items.GetFileNames(folder.path(), "f"));
}

// Which links and special files a walk keeps is the walker's; here, how the left-out items of
// successive walks add up.
TEST_F(ItemCollectorTest, ANewListStartsItsLeftOutItemsAfreshAndAnAppendedWalkAddsToThem) {
    const std::string r = folder.path();
    fs::create_directory(r + "data");
    folder.write("data/real.bin", "x");
    ASSERT_EQ(mkfifo((r + "data/pipe").c_str(), 0600), 0);

    ASSERT_TRUE(items.CreateFilesList(r));
    ASSERT_EQ(items.leftOut().size(), 1u);
    EXPECT_EQ(items.leftOut()[0].path, r + "data/pipe");
    ASSERT_TRUE(items.CreateListOfSelected(r, {"data/real.bin", "data/pipe"}));
    EXPECT_EQ(collected(), Entries{r + "data/real.bin"});
    EXPECT_EQ(items.leftOut().size(), 1u) << "a new list starts without the earlier left-out items";
    EXPECT_TRUE(items.GetFileNames(r, "data"));
    EXPECT_EQ(items.leftOut().size(), 2u) << "an appended walk adds its left-out items";
}

}  // namespace
}  // namespace quorvex
