#include <gtest/gtest.h>

#include <stdexcept>

#include "RigConfig.h"

namespace quorvex::test {
namespace {

std::string errorOf(const std::string& text) {
    try {
        RigConfig::parse(text);
    } catch (const std::invalid_argument& error) {
        return error.what();
    }
    return "no error";
}

TEST(RigConfigTest, ReadsEveryDirective) {
    const RigConfig config = RigConfig::parse(
        "# a damaged card\n"
        "dir empty\n"
        "file \"photos/day one.jpg\" 5M 7   # quoted names keep their blanks\n"
        "\n"
        "file big.bin 6G 9\n"
        "bad \"photos/day one.jpg\" 40960 4K\n"
        "bad \"photos/day one.jpg\" 1 2\n"
        "slow big.bin 250\n"
        "shrink big.bin 1M 100\n"
        "vanish big.bin 3\n"
        "directio big.bin\n");

    EXPECT_EQ(config.folders(), (std::vector<std::string>{"empty", "photos"}));
    ASSERT_EQ(config.files().size(), 2U);
    const RigFileSetup& photo = config.files()[0];
    EXPECT_EQ(photo.name, "photos/day one.jpg");
    EXPECT_EQ(photo.size, 5U << 20);
    EXPECT_EQ(photo.seed, 7U);
    ASSERT_EQ(photo.badRanges.size(), 2U);
    EXPECT_EQ(photo.badRanges[0].offset, 40960U);
    EXPECT_EQ(photo.badRanges[0].length, 4096U);
    EXPECT_FALSE(photo.directIo);
    EXPECT_FALSE(photo.vanishAfterReads);

    const RigFileSetup& big = config.files()[1];
    EXPECT_EQ(big.size, std::uint64_t{6} << 30);
    EXPECT_EQ(big.slowMicroseconds, 250U);
    ASSERT_TRUE(big.shrink);
    EXPECT_EQ(big.shrink->afterBytes, 1U << 20);
    EXPECT_EQ(big.shrink->newSize, 100U);
    EXPECT_EQ(big.vanishAfterReads, 3U);
    EXPECT_TRUE(big.directIo);
}

TEST(RigConfigTest, NestedNamesBringTheirFolders) {
    const RigConfig config = RigConfig::parse("file a/b/c.bin 1 1\ndir a/d\n");
    EXPECT_EQ(config.folders(), (std::vector<std::string>{"a", "a/b", "a/d"}));
}

TEST(RigConfigTest, RejectsFaultyLinesNamingTheLine) {
    const struct {
        const char* text;
        const char* error;
    } cases[] = {
        {"file a.bin 10 1\nfloppy a.bin\n", "line 2: unknown directive \"floppy\""},
        {"file a.bin 10\n", "line 1: \"file\" takes 3 arguments"},
        {"file a.bin ten 1\n", "line 1: \"ten\" is not a number"},
        {"file a.bin -1 1\n", "line 1: \"-1\" is not a number"},
        {"file a.bin 10T 1\n", "line 1: unknown size suffix \"T\""},
        {"file a.bin 9000000000G 1\n", "line 1: \"9000000000G\" is too large"},
        {"file \"a.bin 10 1\n", "line 1: unterminated quote"},
        {"bad a.bin 0 1\n", "line 1: \"a.bin\" is not a file declared above"},
        {"file a.bin 10 1\nbad a.bin 5 0\n", "line 2: a bad range needs a length"},
        {"file a.bin 10 1\nshrink a.bin 1 11\n", "line 2: a file can only shrink"},
        {"file a.bin 10 1\nfile a.bin 10 2\n", "line 2: \"a.bin\" is declared twice"},
        {"file a 10 1\nfile a/b 10 2\n", "line 2: \"a\" is a file, not a folder"},
        {"dir a\n\nfile a 10 1\n", "line 3: \"a\" is declared twice"},
        {"file ../a 10 1\n", "line 1: \"../a\" has an unusable part"},
        {"file a//b 10 1\n", "line 1: \"a//b\" has an unusable part"},
        {"file /a 10 1\n", "line 1: \"/a\" is not a relative name"},
        {"file .rig-stats 10 1\n", "line 1: \".rig-stats\" is the rig's own file"},
    };
    for (const auto& faulty : cases) EXPECT_EQ(errorOf(faulty.text), faulty.error) << faulty.text;
}

}  // namespace
}  // namespace quorvex::test
