#include <fcntl.h>
#include <sys/stat.h>

#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <map>

#include "FaultySystemCalls.h"
#include "PosixFileLayer.h"
#include "PosixFolderLayer.h"
#include "RunTimeError.h"
#include "TemporaryFolder.h"

namespace quorvex {
namespace {

namespace fs = std::filesystem;
using test::Fault;

int errorNumberOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const RunTimeError& error) {
        return error.number();
    }
    return 0;
}

// Every name below a folder with what it holds: bytes, a link's target or a folder mark.
std::map<std::string, std::string> snapshot(const fs::path& root) {
    std::map<std::string, std::string> entries;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        const std::string name = fs::relative(entry.path(), root).string();
        if (entry.is_symlink())
            entries[name] = "-> " + fs::read_symlink(entry.path()).string();
        else if (entry.is_directory())
            entries[name] = "/";
        else
            entries[name] = std::to_string(entry.file_size());
    }
    return entries;
}

// Each test runs with openat2, which resolves a path inside the root in one call, and again as
// on a kernel without it, where every component is opened on its own.
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
    const auto before = snapshot(outside.path());
    for (const char* name : {"sub/file", "sub/c/file", "a/b/c/file", "a/b/new/file"}) {
        for (const auto& [operation, action] : operations()) {
            EXPECT_EQ(errorNumberOf([&] { action(at(name)); }), ErrorNumber::LinkInPath)
                << operation << " " << name;
            files.closeAll();
        }
    }
    EXPECT_EQ(snapshot(outside.path()), before);
}

TEST_P(ConfinedFolderTest, ALinkAtTheLastNameIsNeverFollowedNorCreatedThrough) {
    fs::create_symlink(outside.file("file"), at("to-file"));
    fs::create_symlink(outside.file("made-outside"), at("dangling"));
    fs::create_directory_symlink(outside.file("c"), at("to-folder"));
    const auto before = snapshot(outside.path());
    for (const char* name : {"to-file", "dangling", "to-folder"}) {
        for (const FileOpenMode mode : {FileOpenMode::ReadWrite, FileOpenMode::CreateNew})
            EXPECT_EQ(errorNumberOf([&] { files.open(2, at(name), mode); }),
                      ErrorNumber::LinkInPath)
                << name;
        EXPECT_EQ(errorNumberOf([&] { folders.createFolder(at(name)); }), ErrorNumber::LinkInPath);
        EXPECT_EQ(files.entry(at(name)).kind, NameEntry::Kind::Link) << name;
        EXPECT_FALSE(folders.folderExists(at(name))) << name;
    }
    EXPECT_EQ(snapshot(outside.path()), before);
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

TEST_P(ConfinedFolderTest, NamesTellsTheWrittenFileFromAnotherUnderItsName) {
    fs::create_directory(at("d"));
    files.open(2, at("d/f"), FileOpenMode::CreateNew);
    EXPECT_TRUE(files.names(at("d/f"), 2));
    fs::rename(root.write("d/other", "x"), at("d/f"));
    EXPECT_FALSE(files.names(at("d/f"), 2));
    fs::remove(at("d/f"));
    EXPECT_FALSE(files.names(at("d/f"), 2));
    fs::rename(at("d"), at("d.moved"));
    fs::create_directory_symlink(at("d.moved"), at("d"));
    EXPECT_EQ(errorNumberOf([&] { files.names(at("d/f"), 2); }), ErrorNumber::LinkInPath);
}

TEST_P(ConfinedFolderTest, CopiesTakeTimePermissionsAndLengthButNeverSetUserId) {
    const std::string source = outside.write("source", "abc");
    ASSERT_EQ(chmod(source.c_str(), 04751), 0);
    const timespec times[2] = {{1000000000, 0}, {1234567890, 123456789}};
    ASSERT_EQ(utimensat(AT_FDCWD, source.c_str(), times, 0), 0);
    files.open(1, source, FileOpenMode::Read);
    files.open(2, at("copy"), FileOpenMode::CreateNew);
    const std::int64_t beyond4GiB = (std::int64_t{1} << 32) + 5;
    files.setLength(2, beyond4GiB);
    files.copyAttributes(1, 2);
    files.closeAll();

    struct stat copy {};
    ASSERT_EQ(stat(at("copy").c_str(), &copy), 0);
    EXPECT_EQ(copy.st_mode & 07777, 0751u);
    EXPECT_EQ(copy.st_mtim.tv_sec, 1234567890);
    EXPECT_EQ(copy.st_mtim.tv_nsec, 123456789);
    EXPECT_EQ(copy.st_size, beyond4GiB);
    EXPECT_LT(copy.st_blocks * 512, 1 << 20) << "the extension is a hole";
}

TEST_P(ConfinedFolderTest, FoldersOpenUpForWritingAndTakeTheirSourcesAttributes) {
    fs::create_directory(outside.file("src"));
    const std::string source = outside.file("src");
    const timespec times[2] = {{1000000000, 0}, {1300000000, 0}};
    ASSERT_EQ(utimensat(AT_FDCWD, source.c_str(), times, 0), 0);
    ASSERT_EQ(chmod(source.c_str(), 02555), 0);
    folders.createFolder(at("copy"));
    folders.copyAttributes(source, at("copy/"));
    struct stat copy {};
    ASSERT_EQ(stat(at("copy").c_str(), &copy), 0);
    EXPECT_EQ(copy.st_mode & 07777, 0555u);
    EXPECT_EQ(copy.st_mtim.tv_sec, 1300000000);

    folders.allowWriting(at("copy"));
    ASSERT_EQ(stat(at("copy").c_str(), &copy), 0);
    EXPECT_EQ(copy.st_mode & 07777, 0755u);
    ASSERT_EQ(chmod(source.c_str(), 0755), 0);
}

INSTANTIATE_TEST_SUITE_P(Kernels, ConfinedFolderTest, ::testing::Bool(),
                         [](const auto& info) {
                             return info.param ? "Openat2" : "ComponentByComponent";
                         });

}  // namespace
}  // namespace quorvex
