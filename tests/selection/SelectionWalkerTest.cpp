#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <map>

#include "SelectionWalker.h"
#include "TemporaryFolder.h"

namespace quorvex {
namespace {

namespace fs = std::filesystem;
using test::TemporaryFolder;
using Entries = std::vector<std::string>;

class SelectionWalkerTest : public ::testing::Test {
  protected:
    std::string root() const { return folder_.path(); }
    void make(const std::string& name) const { fs::create_directories(folder_.file(name)); }
    void file(const std::string& name, std::size_t size = 3) const {
        folder_.write(name, std::string(size, 'x'));
    }
    void link(const std::string& target, const std::string& name) const {
        fs::create_symlink(target, folder_.file(name));
    }
    // The folder's names in the order the system enumerates them.
    Entries enumerated(const std::string& name) const {
        Entries names;
        for (const auto& entry : fs::directory_iterator(folder_.file(name)))
            names.push_back(entry.path().filename().string());
        return names;
    }

    TemporaryFolder folder_;
};

TEST_F(SelectionWalkerTest, FolderContentIsItsFilesThenEachSubfolderEntryWithItsContent) {
    for (const char* name : {"f1", "f2", "f3", "s1/g", "s1/deep/h", "s2/k"}) {
        make(fs::path(name).parent_path().string());
        file(name);
    }
    make("s3");
    const Selection selection = SelectionWalker().collectAll(root());

    const std::string r = root();
    Entries files, folders;
    for (const std::string& name : enumerated(""))
        (fs::is_directory(r + name) ? folders : files).push_back(name);
    Entries expected;
    for (const std::string& name : files) expected.push_back(r + name);
    const std::map<std::string, Entries> content{
        {"s1", {"\t" + r + "s1/", r + "s1/g", "\t" + r + "s1/deep/", r + "s1/deep/h"}},
        {"s2", {"\t" + r + "s2/", r + "s2/k"}},
        {"s3", {"\t" + r + "s3/"}}};
    for (const std::string& name : folders)
        expected.insert(expected.end(), content.at(name).begin(), content.at(name).end());
    EXPECT_EQ(selection.entries, expected);
    EXPECT_EQ(selection.totalBytes, 18);
    EXPECT_TRUE(selection.stored());
    EXPECT_FALSE(selection.full);
    EXPECT_TRUE(selection.unreadFolders.empty());
}

TEST_F(SelectionWalkerTest, MarkedItemsComeInTheGivenOrderAndMarkedFoldersWithoutSlash) {
    make("photos/2020");
    file("photos/2020/a.jpg", 10);
    file("notes.txt", 4);
    const Selection selection =
        SelectionWalker().collectSelected(root(), {"notes.txt", "missing", "photos/"});
    const std::string r = root();
    EXPECT_EQ(selection.entries, (Entries{r + "notes.txt", "\t" + r + "photos",
                                          "\t" + r + "photos/2020/", r + "photos/2020/a.jpg"}));
    EXPECT_EQ(selection.totalBytes, 14);

    const Selection none = SelectionWalker().collectSelected(root(), {"missing"});
    EXPECT_FALSE(none.stored());
    EXPECT_EQ(none.totalBytes, 0);
}

TEST_F(SelectionWalkerTest, LinksToFilesCountAsFilesButLinkedFoldersAndSpecialFilesAreLeftOut) {
    make("data");
    file("data/real.bin", 100);
    link("real.bin", "data/alias.bin");
    link("..", "data/loop");
    link("missing", "data/dangling");
    ASSERT_EQ(mkfifo(folder_.file("data/pipe").c_str(), 0600), 0);
    const std::string r = root();

    Selection selection = SelectionWalker().collectAll(root());
    std::ranges::sort(selection.entries);
    EXPECT_EQ(selection.entries,
              (Entries{"\t" + r + "data/", r + "data/alias.bin", r + "data/real.bin"}));
    EXPECT_EQ(selection.totalBytes, 200);

    EXPECT_FALSE(SelectionWalker().collectSelected(root(), {"data/loop", "data/pipe"}).stored());
    EXPECT_EQ(SelectionWalker().collectSelected(root(), {"data/alias.bin"}).entries,
              Entries{r + "data/alias.bin"});
}

TEST_F(SelectionWalkerTest, HiddenNamesAreLeftOutUnlessAsked) {
    make(".cache");
    file(".cache/blob");
    file(".profile");
    file("visible");
    const std::string r = root();
    EXPECT_EQ(SelectionWalker().collectAll(root()).entries, Entries{r + "visible"});

    WalkOptions options;
    options.includeHidden = true;
    Selection selection = SelectionWalker(options).collectAll(root());
    std::ranges::sort(selection.entries);
    EXPECT_EQ(selection.entries,
              (Entries{"\t" + r + ".cache/", r + ".cache/blob", r + ".profile", r + "visible"}));
}

TEST_F(SelectionWalkerTest, AFolderThatCannotBeOpenedEndsOnlyItsOwnPart) {
    make("gone");
    file("gone/lost");
    make("kept");
    file("kept/file");
    const std::string r = root();
    WalkOptions options;
    Entries seen;
    options.onEntry = [&](const std::string& entry) {
        seen.push_back(entry);
        if (entry == "\t" + r + "gone") fs::remove_all(r + "gone");
    };
    const Selection selection = SelectionWalker(options).collectSelected(root(), {"gone", "kept"});
    EXPECT_EQ(selection.entries, (Entries{"\t" + r + "gone", "\t" + r + "kept", r + "kept/file"}));
    EXPECT_EQ(selection.unreadFolders, Entries{r + "gone/"});
    EXPECT_EQ(seen, selection.entries);
}

TEST_F(SelectionWalkerTest, TheWalkStopsAtTheEntryLimit) {
    make("a");
    for (const char* name : {"a/1", "a/2", "a/3"}) file(name);
    WalkOptions options;
    options.maxEntries = 4;
    const Selection exact = SelectionWalker(options).collectSelected(root(), {"a"});
    EXPECT_EQ(exact.entries.size(), 4u);
    EXPECT_FALSE(exact.full);

    options.maxEntries = 2;
    const Selection cut = SelectionWalker(options).collectSelected(root(), {"a"});
    EXPECT_EQ(cut.entries.size(), 2u);
    EXPECT_TRUE(cut.full);
    EXPECT_EQ(cut.totalBytes, 3);
}

TEST_F(SelectionWalkerTest, NamesAreKeptAsTheirExactBytes) {
    const std::string odd = std::string("line\nbreak\ttab \xff\xfe");
    make(odd);
    file(odd + "/" + odd, 5);
    const std::string r = root();
    EXPECT_EQ(SelectionWalker().collectAll(root()).entries,
              (Entries{"\t" + r + odd + "/", r + odd + "/" + odd}));
}

}  // namespace
}  // namespace quorvex
