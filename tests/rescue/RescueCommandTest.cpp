#include <gmock/gmock.h>
#include <sys/stat.h>

#include <filesystem>

#include "RescueProcess.h"
#include "RescueTree.h"

namespace quorvex::test {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;

class RescueCommandTest : public RescueTree {
  protected:
    RescueProcess::Result rescue(std::vector<std::string> options = {}) const {
        options.push_back(source());
        options.push_back(destination());
        return RescueProcess::run(options);
    }
};

// Links are made again as links; a pipe is left out, listed and counted as not copied.
TEST_F(RescueCommandTest, CopiesEveryFileOfTheTreeByteForByte) {
    const std::string odd = std::string("new\nline\ttab \\ \xff\xfe.bin");
    put("empty", "");
    put("small.txt", "hello");
    put("a/blocks.bin", pattern(3 * 65536 + 12345, 1));
    put("a/b/c/.hidden", pattern(8191, 2));
    put(odd, pattern(70000, 3));
    put(odd.substr(0, 4) + "/inner", "in a folder with a newline");
    fs::create_directory(source() + "empty-folder");
    fs::create_symlink("small.txt", source() + "alias.txt");
    fs::create_symlink("a", source() + "linked-folder");
    ASSERT_EQ(mkfifo((source() + "pipe").c_str(), 0600), 0);

    const auto result = rescue();
    EXPECT_EQ(result.status, 1) << result.err;
    for (const std::string& name :
         {std::string("empty"), std::string("small.txt"), std::string("a/blocks.bin"),
          std::string("a/b/c/.hidden"), odd, odd.substr(0, 4) + "/inner"})
        expectCopied(name);
    EXPECT_EQ(fs::read_symlink(destination() + "alias.txt"), "small.txt");
    EXPECT_EQ(fs::read_symlink(destination() + "linked-folder"), "a");
    EXPECT_TRUE(fs::is_directory(destination() + "empty-folder"));
    EXPECT_FALSE(copyExists("pipe"));
    const std::int64_t bytes = 5 + 3 * 65536 + 12345 + 8191 + 70000 + 26;
    EXPECT_THAT(result.out, HasSubstr("left out (a named pipe): " + source() + "pipe\n"));
    EXPECT_THAT(result.out, HasSubstr("Files copied whole: 8\n"));
    EXPECT_THAT(result.out, HasSubstr("Left out:           1\n"));
    EXPECT_THAT(result.out, HasSubstr("Bytes copied:       " + std::to_string(bytes) + " ("));
    EXPECT_THAT(result.out, HasSubstr("Bytes lost:         0 ("));
}

// With standard output and error closed, the first file the program opened used to take their
// numbers, and the progress text went into the rescued data.
TEST_F(RescueCommandTest, ClosedOutputsNeverTakeRescuedData) {
    put("first.bin", pattern(100000, 5));
    put("second.txt", "second");
    const RescueProcess::Result result =
        RescueProcess({source(), destination()}, RescueProcess::Outputs::Closed).finish();
    EXPECT_EQ(result.status, 0);
    expectCopied("first.bin");
    expectCopied("second.txt");
}

// The engine's remark about an item is printed with the item's path: here a link planted in
// the destination, through which nothing may be written.
TEST_F(RescueCommandTest, NotesOfTheEngineNameTheirItem) {
    put("a/file", "must not land outside");
    fs::create_directories(destination());
    fs::create_directory(folder_.file("outside"));
    fs::create_directory_symlink(folder_.file("outside"), destination() + "a");

    const auto result = rescue();
    EXPECT_EQ(result.status, 1) << result.err;
    EXPECT_THAT(result.out, HasSubstr("note: " + source() +
                                      "a/file\n  Not copied: a symbolic "
                                      "link stands on its path"));
    EXPECT_THAT(result.out, HasSubstr("not copied: " + source() + "a/file\n"));
    EXPECT_TRUE(fs::is_empty(folder_.file("outside")));
}

// Roots are given here without their trailing slash, and the destination does not exist yet.
TEST_F(RescueCommandTest, CopiesOnlyTheNamedItemsAndCreatesTheirFolders) {
    put("photos/2020/a.jpg", pattern(5000, 4));
    put("photos/2021/b.jpg", "b");
    put("music/c.ogg", "c");
    put("top.txt", "top");

    const auto result = RescueProcess::run(
        {source().substr(0, source().size() - 1), destination().substr(0, destination().size() - 1),
         "photos/2020/", source() + "top.txt", "./photos/2020/a.jpg"});
    EXPECT_EQ(result.status, 0) << result.err;
    expectCopied("photos/2020/a.jpg");
    expectCopied("top.txt");
    EXPECT_FALSE(copyExists("photos/2021"));
    EXPECT_FALSE(copyExists("music"));
    EXPECT_THAT(result.out, HasSubstr("Files copied whole: 2\n"));
}

TEST_F(RescueCommandTest, ExistingFilesAreKeptUnlessOverwriteIsGiven) {
    put("kept.txt", "new content");
    fs::create_directories(destination());
    folder_.write("dst/kept.txt", "an older and longer content");

    for (const auto& options : {std::vector<std::string>{}, {"--skip-existing"}}) {
        const auto kept = rescue(options);
        EXPECT_EQ(kept.status, 1);
        EXPECT_EQ(copied("kept.txt"), "an older and longer content");
        EXPECT_THAT(kept.out, HasSubstr("not copied: " + source() + "kept.txt\n"));
    }
    const auto replaced = rescue({"--overwrite"});
    EXPECT_EQ(replaced.status, 0) << replaced.err;
    EXPECT_EQ(copied("kept.txt"), "new content");
}

// Either root inside the other, also when a link shows a folder under another path, and a job
// file inside the source are refused before anything is written: with --overwrite a source
// inside the destination had its files replaced by their own copies.
TEST_F(RescueCommandTest, BadUsageEndsWithStatusTwoAndWritesNothing) {
    put("file", "x");
    folder_.write("plain-file", "not a folder");
    const std::string outside = folder_.file("plain-file");
    fs::create_directory_symlink(folder_.path(), folder_.file("up"));
    const std::vector<std::vector<std::string>> cases{
        {"--bogus", source(), destination()},
        {source()},
        {"--overwrite", "--skip-existing", source(), destination()},
        {"--job", source(), destination()},
        {source(), destination(), outside},
        {source() + "file", destination()},
        {source(), source() + "inside"},
        {source(), source()},
        {"--overwrite", source(), folder_.path()},
        {"--overwrite", source(), folder_.file("up")},
        {source(), folder_.file("up/src/inside")},
        {"--job", source() + "job", source(), destination()},
        {"--job", folder_.file("up/src/job"), source(), destination()},
    };
    for (const auto& arguments : cases) {
        const auto result = RescueProcess::run(arguments);
        EXPECT_EQ(result.status, 2) << arguments.back();
        EXPECT_THAT(result.err, HasSubstr("usage: quorvex-rescue"));
        EXPECT_FALSE(fs::exists(destination()));
        EXPECT_EQ(std::distance(fs::directory_iterator(source()), {}), 1) << arguments.back();
        EXPECT_EQ(folder_.read("src/file"), "x");
    }
    const auto intoFile = RescueProcess::run({source(), outside});
    EXPECT_EQ(intoFile.status, 2);
    EXPECT_THAT(intoFile.err, HasSubstr("is not a folder"));
    EXPECT_EQ(folder_.read("plain-file"), "not a folder");
}

}  // namespace
}  // namespace quorvex::test
