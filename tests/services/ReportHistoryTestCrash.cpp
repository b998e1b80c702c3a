#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "ReportHistory.h"
#include "ReportHistoryTestReports.h"
#include "TemporaryFolder.h"

namespace quorvex {
namespace {

using namespace std::chrono_literals;
using test::described;
using test::numbered;
using test::sampleReport;

constexpr int LargeRunItems = 200'000;

// When the writing child is killed: once the given time has passed since it started, or,
// when `afterJournal` is set, that long after its journal appeared (inside its transaction).
struct KillMoment {
    const char* name;
    int earlierReports;
    bool afterJournal;
    std::chrono::milliseconds delay;
};

bool exists(const std::string& path) { return std::filesystem::exists(path); }

bool hasExited(pid_t child) {
    int status = 0;
    return waitpid(child, &status, WNOHANG) == child;
}

// Starts a child that appends the report, and kills it at the moment; returns whether the
// child was still writing when it was killed.
bool killWhileAppending(const std::string& path, const RunReport& report, const KillMoment& at) {
    const pid_t child = fork();
    if (child == 0) {
        try {
            ReportHistory(path).append(report);
        } catch (...) {
            _exit(2);
        }
        _exit(0);
    }
    if (child < 0) throw std::runtime_error("fork failed");
    if (at.afterJournal) {
        const auto giveUp = std::chrono::steady_clock::now() + 60s;
        while (!exists(path + "-journal") && std::chrono::steady_clock::now() < giveUp) {
            std::this_thread::sleep_for(100us);
        }
    }
    std::this_thread::sleep_for(at.delay);
    const bool running = !hasExited(child);
    if (running) kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    return running;
}

TEST(ReportHistoryCrashTest, AWriterKilledAtAnyMomentLeavesEveryEarlierReportWhole) {
    const KillMoment moments[] = {
        {"at once", 2, false, 0ms},
        {"soon", 2, false, 15ms},
        {"later", 2, false, 120ms},
        {"as the journal appears", 2, true, 0ms},
        {"inside the transaction", 2, true, 40ms},
        {"deep in the transaction", 2, true, 400ms},
        {"while the file is made", 0, true, 0ms},
        {"inside the first transaction", 0, true, 60ms}};
    const RunReport large = sampleReport("large", LargeRunItems);
    int killedWithJournal = 0;

    for (const KillMoment& moment : moments) {
        SCOPED_TRACE(moment.name);
        test::TemporaryFolder folder;
        const std::string path = folder.file("reports.sir");
        std::vector<RunReport> earlier;
        for (int i = 0; i < moment.earlierReports; ++i) {
            earlier.push_back(numbered(sampleReport("earlier" + std::to_string(i), 5 + i), i + 1));
            ReportHistory(path).append(earlier.back());
        }

        const bool killed = killWhileAppending(path, large, moment);
        if (killed && exists(path + "-journal")) ++killedWithJournal;

        ReportHistory history(path);
        const std::vector<HistoryRow> rows = history.rows();
        ASSERT_GE(rows.size(), earlier.size());
        ASSERT_LE(rows.size(), earlier.size() + 1);
        for (const RunReport& report : earlier) {
            EXPECT_EQ(described(history.load(report.number)), described(report));
        }
        if (rows.size() > earlier.size()) {
            const RunReport stored = history.load(rows.back().number);
            EXPECT_EQ(stored.job.items.size(), static_cast<std::size_t>(LargeRunItems));
            EXPECT_EQ(described(stored), described(numbered(large, rows.back().number)));
        }
        const std::int64_t lastNumber = rows.empty() ? 0 : rows.back().number;
        EXPECT_EQ(history.append(sampleReport("after", 4)), lastNumber + 1);
    }
    EXPECT_GE(killedWithJournal, 2) << "too few kills landed inside a transaction";
}

}  // namespace
}  // namespace quorvex
