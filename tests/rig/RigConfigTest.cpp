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

// The directives themselves are read by the tests of the mounted rig.
TEST(RigConfigTest, RejectsFaultyLinesNamingTheLine) {
    const struct {
        const char* text;
        const char* error;
    } cases[] = {
        {"# a comment\nfile a.bin 10 1 # another\nfloppy a.bin\n",
         "line 3: unknown directive \"floppy\""},
        {"file a.bin ten 1\n", "line 1: \"ten\" is not a number"},
        {"file a.bin 9000000000G 1\n", "line 1: \"9000000000G\" is too large"},
        {"bad a.bin 0 1\n", "line 1: \"a.bin\" is not a file declared above"},
        {"file a.bin 10 1\nshrink a.bin 1 11\n", "line 2: a file can only shrink"},
        {"file a.bin 10 1\nfile a.bin 10 2\n", "line 2: \"a.bin\" is declared twice"},
        {"file ../a 10 1\n", "line 1: \"../a\" has an unusable part"},
        {"file /a 10 1\n", "line 1: \"/a\" is not a relative name"},
        {"file .rig-stats 10 1\n", "line 1: \".rig-stats\" is the rig's own file"},
    };
    for (const auto& faulty : cases) EXPECT_EQ(errorOf(faulty.text), faulty.error) << faulty.text;
}

}  // namespace
}  // namespace quorvex::test
