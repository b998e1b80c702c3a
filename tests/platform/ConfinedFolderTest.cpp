#include <filesystem>
#include <functional>
#include <gtest/gtest.h>

#include "ErrorNumberOf.h"
#include "FaultySystemCalls.h"
#include "FolderSnapshot.h"
#include "PosixFileLayer.h"
#include "PosixFolderLayer.h"
#include "RunTimeError.h"
#include "TemporaryFolder.h"

namespace quorvex {
namespace {

using test::errorNumberOf;

namespace fs = std::filesystem;
using test::Fault;

class ConfinedFolderTest : public ::testing::TestWithParam<bool> {
protected:
    ConfinedFolderTest() {
        if (!GetParam()) calls.failAlways("openat2", ENOSYS);
        outside.write("file", "victim");
        fs::create_directory(outside.file("c"));
        outside.write("c/file", "victim");
        files.confineTo(root.path());
        folders.confineTo(root.path());
    }
    std::string at(const std::string& name) const { return root.file(name); }

    // What the run may do to a destination name, each checked on its own.
    std::vector<std::pair<const char*, std::function<void(const std::string&)>>> operations() {
        return {
            {"open", [this](auto& path) { files.open(2, path, FileOpenMode::ReadWrite); }},
            {"create", [this](auto& path) { files.open(2, path, FileOpenMode::CreateNew); }},
            {"mkdir", [this](auto& path) { folders.createFolder(path); }},
            {"link", [this](auto& path) { files.makeLink("target", path); }},
            {"rename", [this](auto& path) { files.rename(root.write("mine", "m"), path, true); }},
            {"entry", [this](auto& path) { files.entry(path); }},
            {"remove", [this](auto& path) { files.remove(path); }},
            {"exists", [this](auto& path) { folders.folderExists(path); }},
        };
    }

    test::TemporaryFolder root;
    test::TemporaryFolder outside;
    test::FaultySystemCalls calls;
    PosixFileLayer files{calls};
    PosixFolderLayer folders{calls};
};

TEST_P(ConfinedFolderTest, ALinkOnTheWayRefusesEveryOperationAndNothingOutsideChanges) {
    fs::create_directory(at("a"));
    fs::create_directory_symlink(outside.path(), at("sub"));
    fs::create_directory_symlink(outside.path(), at("a/b"));
    const auto before = test::snapshot(outside.path());
    for (const char* name : {"sub/file", "sub/c/file", "a/b/c/file", "a/b/new/file"}) {
        for (const auto& [operation, action] : operations()) {
            EXPECT_EQ(errorNumberOf([&] { action(at(name)); }), ErrorNumber::LinkInPath)
                << operation << " " << name;
            files.closeAll();
        }
    }
    EXPECT_EQ(test::snapshot(outside.path()), before);
}

TEST_P(ConfinedFolderTest, ALinkAtTheLastNameIsNeverFollowedNorCreatedThrough) {
    fs::create_symlink(outside.file("file"), at("to-file"));
    fs::create_symlink(outside.file("made-outside"), at("dangling"));
    fs::create_directory_symlink(outside.file("c"), at("to-folder"));
    const auto before = test::snapshot(outside.path());
    for (const char* name : {"to-file", "dangling", "to-folder"}) {
        for (const FileOpenMode mode : {FileOpenMode::ReadWrite, FileOpenMode::CreateNew})
            EXPECT_EQ(errorNumberOf([&] { files.open(2, at(name), mode); }),
                      ErrorNumber::LinkInPath)
                << name;
        EXPECT_EQ(errorNumberOf([&] { folders.createFolder(at(name)); }), ErrorNumber::LinkInPath);
        EXPECT_EQ(files.entry(at(name)).kind, NameEntry::Kind::Link) << name;
        EXPECT_FALSE(folders.folderExists(at(name))) << name;
    }
    EXPECT_EQ(test::snapshot(outside.path()), before);
    files.rename(root.write("new", "new bytes"), at("to-file"), true);
    EXPECT_EQ(root.read("to-file"), "new bytes") << "the link itself is replaced";
    EXPECT_EQ(outside.read("file"), "victim");
}

TEST_P(ConfinedFolderTest, TheRootsOwnPathMayBeALinkButNothingBelowIt) {
    fs::create_directory(at("real"));
    const std::string viaLink = outside.file("root-link");
    fs::create_directory_symlink(at("real"), viaLink);
    files.confineTo(viaLink);
    folders.confineTo(viaLink + "/");
    folders.createFolder(viaLink + "/made");
    files.open(2, viaLink + "/made/file", FileOpenMode::CreateNew);
    files.write(2, 1, std::string("in"));
    files.closeAll();
    EXPECT_EQ(root.read("real/made/file"), "in");
    EXPECT_EQ(calls.calls("openat"), GetParam() ? 0 : 2) << "one call with openat2, else two";
}

TEST_P(ConfinedFolderTest, ARootThatCannotBeOpenedRefusesEverythingBelowIt) {
    const std::string missing = root.file("later/");
    EXPECT_EQ(errorNumberOf([&] { files.confineTo(missing); }), ErrorNumber::FileNotFound);
    EXPECT_EQ(errorNumberOf([&] { folders.confineTo(missing); }), ErrorNumber::FileNotFound);
    fs::create_directory(missing);
    EXPECT_EQ(errorNumberOf([&] { files.open(2, missing + "f", FileOpenMode::CreateNew); }),
              ErrorNumber::FileNotFound);
    EXPECT_EQ(errorNumberOf([&] { folders.createFolder(missing + "d"); }),
              ErrorNumber::FileNotFound);
    EXPECT_TRUE(fs::is_empty(missing));
}

// File systems without a rename that refuses a taken name say EINVAL; the name is looked at.
TEST_P(ConfinedFolderTest, ARenameWithoutReplacingLeavesATakenNameAlone) {
    for (const bool noreplaceRefused : {false, true}) {
        root.write("taken", "old");
        if (noreplaceRefused) calls.script("renameat2", Fault::error(EINVAL));
        EXPECT_NE(errorNumberOf([&] { files.rename(root.write("a", "new"), at("taken"), false); }),
                  0);
        EXPECT_EQ(root.read("taken"), "old");
        if (noreplaceRefused) calls.script("renameat2", Fault::error(EINVAL));
        files.rename(at("a"), at("free"), false);
        EXPECT_EQ(root.read("free"), "new");
        fs::remove(at("free"));
    }
}

// The name still holding the written file is told by one look that opens nothing; a folder
// moved away and replaced by a link to it still leads to the file. Anything else under the name
// is told apart, and a link that leads elsewhere raises.
TEST_P(ConfinedFolderTest, NamesTellsTheWrittenFileFromAnotherUnderItsName) {
    fs::create_directory(at("d"));
    files.open(2, at("d/f"), FileOpenMode::CreateNew);
    const auto opens = [this] { return calls.calls("openat2") + calls.calls("openat"); };
    const int opened = opens();
    const int looks = calls.calls("fstatat");
    EXPECT_TRUE(files.names(at("d/f"), 2));
    EXPECT_EQ(opens(), opened);
    EXPECT_EQ(calls.calls("fstatat"), looks + 1);
    fs::rename(at("d"), at("d.moved"));
    fs::create_directory_symlink(at("d.moved"), at("d"));
    EXPECT_TRUE(files.names(at("d/f"), 2));
    fs::remove(at("d"));
    fs::rename(at("d.moved"), at("d"));

    fs::rename(root.write("d/other", "x"), at("d/f"));
    EXPECT_FALSE(files.names(at("d/f"), 2));
    fs::remove(at("d/f"));
    EXPECT_FALSE(files.names(at("d/f"), 2));
    fs::rename(at("d"), at("d.moved"));
    fs::create_directory_symlink(at("d.moved"), at("d"));
    EXPECT_EQ(errorNumberOf([&] { files.names(at("d/f"), 2); }), ErrorNumber::LinkInPath);
    root.write("d.moved/f", "another");
    EXPECT_EQ(errorNumberOf([&] { files.names(at("d/f"), 2); }), ErrorNumber::LinkInPath);
}

INSTANTIATE_TEST_SUITE_P(Kernels, ConfinedFolderTest, ::testing::Bool(),
                         [](const auto& info) {
                             return info.param ? "Openat2" : "ComponentByComponent";
                         });

}  // namespace
}  // namespace quorvex
