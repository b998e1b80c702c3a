#include <gmock/gmock.h>

#include "RescueReport.h"

namespace quorvex {
namespace {

using ::testing::HasSubstr;

JobRecord done(const std::string& name, std::int64_t length) {
    JobRecord record;
    record.item = {name, length, 0, true};
    record.length = length;
    return record;
}

// What the walk could not take makes the rescue incomplete as much as a file that failed: a
// folder not read to its end was reported as "Files not copied: 0" with exit status 0.
TEST(RescueReport, ContentTheWalkCouldNotTakeIsListedAndCounted) {
    struct Case {
        const char* what;
        std::vector<std::string> unread;
        std::vector<Selection::LeftOut> leftOut;
        RescueReport::Ending ending;
        int status;
        std::vector<std::string> lines;
    };
    const std::vector<Case> cases{
        {"whole", {}, {}, {}, 0, {"Folders not read:   0\n", "Left out:           0\n"}},
        {"unread folder",
         {"/s/dark/"},
         {},
         {},
         1,
         {"not read to its end: /s/dark/\n", "Files not copied:   0\n", "Folders not read:   1\n"}},
        {"left out",
         {},
         {{"/s/fifo", "a named pipe"}, {"/s/sock", "a socket"}},
         {},
         1,
         {"left out (a named pipe): /s/fifo\n", "left out (a socket): /s/sock\n",
          "Left out:           2\n"}},
        {"not flushed",
         {},
         {},
         {false, std::nullopt, "the destination could not be flushed"},
         1,
         {"Files copied whole: 1\n"}},
    };
    for (const Case& c : cases) {
        SavedJob job{"/s/", "/d/", {}, c.unread, c.leftOut, false, {done("/s/a", 10)}};
        Console console;
        ::testing::internal::CaptureStdout();
        const int status = RescueReport(console).close(job, c.ending);
        const std::string out = ::testing::internal::GetCapturedStdout();
        EXPECT_EQ(status, c.status) << c.what;
        for (const std::string& line : c.lines) EXPECT_THAT(out, HasSubstr(line)) << c.what;
    }
}

}  // namespace
}  // namespace quorvex
