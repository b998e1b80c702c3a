#include <gtest/gtest.h>

#include <SQLiteCpp/Database.h>

#include <functional>

#include "ReportHistoryTestReports.h"

namespace quorvex {
namespace {

using test::expectRefused;
using test::sampleReport;

using ReportHistoryForeignFileTest = test::HistoryFileTest;

// Three reports written by the history given, which is then the last to have seen the file.
void fill(ReportHistory& history) {
    for (int i = 0; i < 3; ++i) history.append(sampleReport("run" + std::to_string(i), 400));
}

void setPragma(const std::string& path, const std::string& assignment) {
    SQLite::Database db(path, SQLite::OPEN_READWRITE);
    db.exec("PRAGMA " + assignment);
}

// Puts at the history's path something that is no history of ours, after the history itself
// may have written there (so that it must notice the change), and what the error says of it.
struct ForeignFile {
    const char* name;
    std::function<void(ReportHistory&, const test::TemporaryFolder&)> make;
    const char* problem;
};

// The first byte of the page that holds the root of the job items' table: a page every check of
// the file reads, unlike a page of a long text's overflow, whose bytes may be anything.
std::size_t jobItemsPage(const std::string& path) {
    SQLite::Database db(path, SQLite::OPEN_READONLY);
    const auto pageSize = db.execAndGet("PRAGMA page_size").getInt64();
    const auto root = db.execAndGet("SELECT rootpage FROM sqlite_schema WHERE name = 'job_items'")
                          .getInt64();
    return static_cast<std::size_t>((root - 1) * pageSize);
}

void cutShort(const test::TemporaryFolder& folder, std::size_t length) {
    folder.write("reports.sir", folder.read("reports.sir").substr(0, length));
}

const ForeignFile ForeignFiles[] = {
    {"another program's database",
     [](auto& history, auto&) {
         SQLite::Database db(history.path(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
         db.exec("CREATE TABLE reports (number INTEGER, text TEXT)");
     },
     "another program"},
    {"another program's database with an application id",
     [](auto& history, auto&) { fill(history), setPragma(history.path(), "application_id = 9"); },
     "another program"},
    {"a short text file", [](auto&, auto& folder) { folder.write("reports.sir", "Reports\n"); },
     "not an SQLite database"},
    {"a long text file",
     [](auto&, auto& folder) { folder.write("reports.sir", std::string(5000, 'x')); },
     "not an SQLite database"},
    {"a history cut short in its middle",
     [](auto& history, auto& folder) {
         fill(history);
         cutShort(folder, folder.read("reports.sir").size() / 2);
     },
     "damaged"},
    {"a history cut short within its header",
     [](auto& history, auto& folder) { fill(history), cutShort(folder, 60); },
     "not an SQLite database"},
    {"a history with a page overwritten in place",
     [](auto& history, auto& folder) {
         fill(history);
         std::string bytes = folder.read("reports.sir");
         bytes.replace(jobItemsPage(history.path()), 4096, std::string(4096, '\x5a'));
         folder.write("reports.sir", bytes);
     },
     "damaged"},
    {"a history of a newer version",
     [](auto& history, auto&) { fill(history), setPragma(history.path(), "user_version = 2"); },
     "newer version"},
};

TEST_F(ReportHistoryForeignFileTest, AFileThatIsNoHistoryOfOursIsRefusedAndNeverWritten) {
    for (const ForeignFile& foreign : ForeignFiles) {
        SCOPED_TRACE(foreign.name);
        ReportHistory history(path);
        foreign.make(history, folder);
        const std::string before = bytes();
        const RunReport stored = test::numbered(sampleReport("run0", 400), 1);

        expectRefused(path, foreign.problem, [&] { history.append(sampleReport("new", 4)); });
        expectRefused(path, foreign.problem, [&] { history.replace(stored); });
        expectRefused(path, foreign.problem, [&] { history.update(stored, stored.job, {0}); });
        expectRefused(path, foreign.problem, [&] { history.load(1); });

        EXPECT_TRUE(bytes() == before) << "the file was changed";
        EXPECT_FALSE(anythingBeside());
        ReportHistory::removeFile(path);
    }
}

}  // namespace
}  // namespace quorvex
