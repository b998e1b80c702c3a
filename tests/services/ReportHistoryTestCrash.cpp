#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <numeric>
#include <thread>

#include "ReportHistoryTestReports.h"

namespace quorvex {
namespace {

using namespace std::chrono_literals;
using test::described;
using test::numbered;
using test::sampleReport;

constexpr int LargeRunItems = 200'000;

// How the child writes the large report: as a new record, or over one stored before, whole or
// by updating every item.
enum class Write { Append, Replace, Update };

// When the writing child is killed: once the delay has passed since it started, or, when
// `afterJournal` is set, that long after its journal appeared (inside its transaction).
struct KillMoment {
    const char* name;
    int earlierReports;
    Write write;
    bool afterJournal;
    std::chrono::milliseconds delay;
};

// Runs the write in a child and kills it at the moment; returns whether the child was still
// writing then.
bool killWhileWriting(const std::string& path, const std::function<void()>& write,
                      const KillMoment& at) {
    const pid_t child = fork();
    if (child < 0) throw std::runtime_error("fork failed");
    if (child == 0) {
        try {
            write();
        } catch (...) {
            _exit(2);
        }
        _exit(0);
    }
    if (at.afterJournal) {
        const auto giveUp = std::chrono::steady_clock::now() + 60s;
        while (!std::filesystem::exists(path + "-journal") &&
               std::chrono::steady_clock::now() < giveUp) {
            std::this_thread::sleep_for(100us);
        }
    }
    std::this_thread::sleep_for(at.delay);
    int status = 0;
    const bool running = waitpid(child, &status, WNOHANG) == 0;
    if (running) kill(child, SIGKILL);
    waitpid(child, &status, 0);
    return running;
}

TEST(ReportHistoryCrashTest, AWriterKilledAtAnyMomentLeavesEveryEarlierReportWhole) {
    const KillMoment moments[] = {{"at once", 2, Write::Append, false, 0ms},
                                  {"soon", 2, Write::Append, false, 15ms},
                                  {"later", 2, Write::Append, false, 120ms},
                                  {"as the journal appears", 2, Write::Append, true, 0ms},
                                  {"inside the transaction", 2, Write::Append, true, 40ms},
                                  {"deep in the transaction", 2, Write::Append, true, 400ms},
                                  {"while the file is made", 0, Write::Append, false, 1ms},
                                  {"inside the first transaction", 0, Write::Append, true, 60ms},
                                  {"inside a replace", 1, Write::Replace, true, 40ms},
                                  {"deep in a replace", 1, Write::Replace, true, 400ms},
                                  {"inside an update", 1, Write::Update, true, 40ms},
                                  {"deep in an update", 1, Write::Update, true, 400ms}};
    const RunReport large = sampleReport("large", LargeRunItems);
    // The large run finished: every item done.
    RunReport largeCompleted = large;
    largeCompleted.outcome = RunOutcome::Completed;
    for (JobRecord& record : largeCompleted.job.items) record.item.isDone = true;
    std::vector<std::size_t> everyItem(LargeRunItems);
    std::iota(everyItem.begin(), everyItem.end(), 0);
    // Compared whole, without their numbers, but not printed: they run to megabytes.
    const std::string largeText = described(large);
    const std::string largeCompletedText = described(largeCompleted);
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
        const std::int64_t largeNumber = moment.earlierReports + 1;
        const bool rewriting = moment.write != Write::Append;
        if (rewriting) ReportHistory(path).append(large);

        const bool killed = killWhileWriting(
            path,
            [&] {
                ReportHistory writer(path);
                const RunReport head = numbered(largeCompleted, largeNumber);
                if (moment.write == Write::Append) writer.append(large);
                if (moment.write == Write::Replace) writer.replace(head);
                if (moment.write == Write::Update) writer.update(head, head.job, everyItem);
            },
            moment);
        if (killed && std::filesystem::exists(path + "-journal")) ++killedWithJournal;

        ReportHistory history(path);
        const std::vector<HistoryRow> rows = history.rows();
        for (const RunReport& report : earlier) {
            EXPECT_EQ(described(history.load(report.number)), described(report));
        }
        ASSERT_GE(rows.size(), earlier.size() + (rewriting ? 1 : 0));
        ASSERT_LE(rows.size(), earlier.size() + 1);
        if (rows.size() > earlier.size()) {
            const std::string stored = described(numbered(history.load(largeNumber), 0));
            EXPECT_TRUE(stored == largeText || (rewriting && stored == largeCompletedText))
                << "the large report came back changed";
        }
        const std::int64_t lastNumber = rows.empty() ? 0 : rows.back().number;
        EXPECT_EQ(history.append(sampleReport("after", 4)), lastNumber + 1);
    }
    EXPECT_GE(killedWithJournal, 3) << "too few kills landed inside a transaction";
}

}  // namespace
}  // namespace quorvex
