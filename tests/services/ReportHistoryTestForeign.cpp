#include <gmock/gmock.h>

#include <SQLiteCpp/Database.h>

#include <filesystem>
#include <functional>

#include "HistoryError.h"
#include "ReportHistory.h"
#include "ReportHistoryTestReports.h"
#include "TemporaryFolder.h"

namespace quorvex {
namespace {

using test::sampleReport;
using ::testing::HasSubstr;

void makeHistory(const std::string& path) {
    ReportHistory history(path);
    for (int i = 0; i < 3; ++i) history.append(sampleReport("run" + std::to_string(i), 400));
}

void setPragma(const std::string& path, const std::string& assignment) {
    SQLite::Database db(path, SQLite::OPEN_READWRITE);
    db.exec("PRAGMA " + assignment);
}

std::string bytesOf(const std::string& path) {
    std::ifstream input(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(input), {});
}

void writeBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// Files called reports.sir that are no history of ours, each made by `make` at the path, and
// what the error says of it.
struct ForeignFile {
    const char* name;
    std::function<void(const std::string&)> make;
    const char* problem;
};

const ForeignFile ForeignFiles[] = {
    {"another program's database",
     [](const std::string& path) {
         SQLite::Database db(path, SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
         db.exec("CREATE TABLE reports (number INTEGER, text TEXT)");
         db.exec("INSERT INTO reports VALUES (1, 'theirs')");
     },
     "another program"},
    {"another program's database with an application id",
     [](const std::string& path) {
         makeHistory(path);
         setPragma(path, "application_id = 1234");
     },
     "another program"},
    {"a short text file",
     [](const std::string& path) { writeBytes(path, "Reports of last week\n"); },
     "not an SQLite database"},
    {"a long text file",
     [](const std::string& path) { writeBytes(path, std::string(5000, 'x') + "\n"); },
     "not an SQLite database"},
    {"a history cut short in its middle",
     [](const std::string& path) {
         makeHistory(path);
         const std::string bytes = bytesOf(path);
         writeBytes(path, bytes.substr(0, bytes.size() / 2));
     },
     "damaged"},
    {"a history cut short within its header",
     [](const std::string& path) {
         makeHistory(path);
         writeBytes(path, bytesOf(path).substr(0, 60));
     },
     "not an SQLite database"},
    {"a history with a page overwritten",
     [](const std::string& path) {
         makeHistory(path);
         std::string bytes = bytesOf(path);
         const std::size_t page = bytes.size() / 4096 / 2 * 4096;
         bytes.replace(page, 4096, std::string(4096, '\x5a'));
         writeBytes(path, bytes);
     },
     "damaged"},
    {"a history of a newer version",
     [](const std::string& path) {
         makeHistory(path);
         setPragma(path, "user_version = 2");
     },
     "newer version"},
};

void expectRefused(const std::string& path, const char* problem,
                   const std::function<void()>& action) {
    try {
        action();
        ADD_FAILURE() << "the file was taken as a history";
    } catch (const HistoryError& error) {
        EXPECT_THAT(error.what(), HasSubstr("\"" + path + "\""));
        EXPECT_THAT(error.what(), HasSubstr(problem));
    }
}

TEST(ReportHistoryForeignFileTest, AFileThatIsNoHistoryOfOursIsRefusedAndNeverWritten) {
    for (const ForeignFile& foreign : ForeignFiles) {
        SCOPED_TRACE(foreign.name);
        test::TemporaryFolder folder;
        const std::string path = folder.file("reports.sir");
        foreign.make(path);
        const std::string before = bytesOf(path);
        ReportHistory history(path);

        expectRefused(path, foreign.problem, [&] { history.append(sampleReport("new", 4)); });
        expectRefused(path, foreign.problem,
                      [&] { history.replace(test::numbered(sampleReport("new", 4), 1)); });
        EXPECT_THROW(history.load(1), HistoryError);

        EXPECT_TRUE(bytesOf(path) == before) << "the file was changed";
        const auto entries = std::distance(std::filesystem::directory_iterator(folder.path()),
                                           std::filesystem::directory_iterator());
        EXPECT_EQ(entries, 1) << "a file was left beside it";
    }
}

TEST(ReportHistoryForeignFileTest, AHistoryDamagedSinceItWasLastWrittenIsRefusedByTheSameWriter) {
    test::TemporaryFolder folder;
    const std::string path = folder.file("reports.sir");
    ReportHistory history(path);
    for (int i = 0; i < 3; ++i) history.append(sampleReport("run" + std::to_string(i), 400));
    std::string bytes = bytesOf(path);
    bytes.replace(bytes.size() / 4096 / 2 * 4096, 4096, std::string(4096, '\x5a'));
    writeBytes(path, bytes);

    expectRefused(path, "damaged", [&] { history.append(sampleReport("new", 4)); });
    EXPECT_TRUE(bytesOf(path) == bytes) << "the file was changed";
}

}  // namespace
}  // namespace quorvex
