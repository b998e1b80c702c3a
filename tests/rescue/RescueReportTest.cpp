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
    const auto expectReport = [](const char* what, const std::vector<std::string>& unread,
                                 const std::vector<Selection::LeftOut>& leftOut,
                                 const RescueReport::Ending& ending, int status,
                                 const std::vector<std::string>& lines) {
        SavedJob job{"/s/", "/d/", {}, unread, leftOut, false, {done("/s/a", 10)}};
        Console console;
        ::testing::internal::CaptureStdout();
        EXPECT_EQ(RescueReport(console).close(job, ending), status) << what;
        const std::string out = ::testing::internal::GetCapturedStdout();
        for (const std::string& line : lines) EXPECT_THAT(out, HasSubstr(line)) << what;
    };
    expectReport("whole", {}, {}, {}, 0, {"Folders not read:   0\n", "Left out:           0\n"});
    expectReport(
        "unread folder", {"/s/dark/"}, {}, {}, 1,
        {"not read to its end: /s/dark/\n", "Files not copied:   0\n", "Folders not read:   1\n"});
    expectReport("left out", {}, {{"/s/fifo", "a named pipe"}, {"/s/sock", "a socket"}}, {}, 1,
                 {"left out (a named pipe): /s/fifo\n", "left out (a socket): /s/sock\n",
                  "Left out:           2\n"});
    expectReport("not flushed", {}, {},
                 {false, std::nullopt, "the destination could not be flushed"}, 1,
                 {"Files copied whole: 1\n"});
}

}  // namespace
}  // namespace quorvex
