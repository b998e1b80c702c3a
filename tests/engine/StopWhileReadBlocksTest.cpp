#include <QTimer>
#include <chrono>
#include <gtest/gtest.h>
#include <optional>

#include "ErrorNumberOf.h"
#include "FaultySystemCalls.h"
#include "ManualClock.h"
#include "PosixFileLayer.h"
#include "PosixFolderLayer.h"
#include "QtEventPump.h"
#include "RecoveryProcess.h"
#include "ResponsiveFileLayer.h"
#include "RigMount.h"
#include "RigPattern.h"
#include "ScriptedPrompts.h"
#include "TemporaryFolder.h"

namespace quorvex {
namespace {

using Clock = std::chrono::steady_clock;

// Answers the stop question with Pause and notes when it was asked.
class TimedStopPrompts final : public RecoveryPrompts {
public:
    std::int16_t askAboutExistingFile(const std::string&) override {
        return ExistingFileAnswer::Overwrite;
    }
    std::int16_t askToAbort() override {
        asked = Clock::now();
        return AbortAnswer::Pause;
    }
    std::optional<Clock::time_point> asked;
};

// The recovery control as the window runs it: calls on the responsive file layer's worker, Qt's
// events running meanwhile. Stop is clicked after a while; the times of the click, of the stop
// question and of the run's start and end are kept.
class StopWhileBlockedTest : public ::testing::Test {
  protected:
    void run(const std::string& sourceRoot, const std::vector<std::string>& items,
             int clickAfterMs) {
        RecoveryProcess process({files, folders, messages, events, clock}, shared, &prompts);
        process.state().SourcePath = sourceRoot;
        process.state().DestinationPath = destination.path();
        for (const std::string& item : items) process.job().append(JobItem{item});
        process.state().Items_Count = process.job().size();
        QTimer::singleShot(clickAfterMs, [&] {
            clicked = Clock::now();
            process.TerminateMe();
        });
        started = Clock::now();
        process.StartProcess();
        ended = Clock::now();
        ASSERT_TRUE(prompts.asked.has_value()) << "the stop question was never asked";
        asked = *prompts.asked;
        job = process.job();
    }

    test::TemporaryFolder source;
    test::TemporaryFolder destination;
    test::FaultySystemCalls calls;
    PosixFileLayer posixFiles{calls};
    QtEventPump events;
    ResponsiveFileLayer files{posixFiles, events};
    PosixFolderLayer folders{calls};
    test::ScriptedPrompts messages;
    TimedStopPrompts prompts;
    test::ManualClock clock;
    SharedState shared;
    Clock::time_point started, clicked, asked, ended;
    RecoveryJob job;
};

// Over a rig file whose every read takes 3 seconds.
TEST_F(StopWhileBlockedTest, StopIsAskedWithinASecondWhileAReadBlocksAndActedOnAfterTheBlock) {
    if (!test::RigMount::available()) GTEST_SKIP() << test::RigMount::unavailableReason();
    test::RigMount rig("file slow.bin 1M 6\nslow slow.bin 3000000\ndirectio slow.bin\n");
    ASSERT_NO_FATAL_FAILURE(run(rig.path(), {rig.file("slow.bin")}, 500));

    EXPECT_LT(asked - clicked, std::chrono::seconds(1));
    EXPECT_LT(asked - started, std::chrono::seconds(2)) << "asked while the read blocked";
    EXPECT_EQ(rig.counters("slow.bin").reads, 1u) << "no block was read after the answer";
    EXPECT_LT(ended - started, std::chrono::seconds(5));
    EXPECT_EQ(job.item(1).StartPosition, 65536) << "paused behind the block";
    EXPECT_TRUE(destination.read("slow.bin").substr(0, 65536) == test::RigPattern::bytes(6, 0, 65536));
}

// A source whose open blocks for 2.5 seconds, as on a dying disc. The first two opens are the
// destination's root, for its files and for its folders.
TEST_F(StopWhileBlockedTest, StopIsAskedWhileTheOpenBlocksAndTheSourceIsClosedAfter) {
    using namespace std::chrono_literals;
    calls.script("open", test::Fault::blocks(0ms));
    calls.script("open", test::Fault::blocks(0ms));
    calls.script("open", test::Fault::blocks(2500ms));
    ASSERT_NO_FATAL_FAILURE(run(source.path(),
                                {source.write("disc.bin", std::string(4096, 'q')),
                                 source.write("next.bin", std::string(4096, 'n'))},
                                300));

    EXPECT_LT(asked - clicked, 1s);
    EXPECT_LT(asked - started, 2000ms) << "asked while the open blocked";
    EXPECT_GE(ended - started, 2500ms) << "the run waited for the open's answer";
    EXPECT_FALSE(job.item(1).isDone) << "the stop came before its copy";
    EXPECT_FALSE(job.item(2).isDone) << "the run ended before the next file";
    EXPECT_EQ(calls.calls("open"), 3) << "the next file was never opened";
    EXPECT_EQ(test::errorNumberOf([&] { files.length(FileNumber::Source); }),
              ErrorNumber::BadFileNameOrNumber)
        << "the source opened late was closed with the run";
}

}  // namespace
}  // namespace quorvex
