#include <QTimer>
#include <chrono>
#include <gtest/gtest.h>
#include <optional>

#include "ErrorNumberOf.h"
#include "FaultySystemCalls.h"
#include "ManualClock.h"
#include "PosixFileLayer.h"
#include "PosixFolderLayer.h"
#include "PosixSystemCalls.h"
#include "QtEventPump.h"
#include "RecoveryProcess.h"
#include "ResponsiveFileLayer.h"
#include "RigMount.h"
#include "RigPattern.h"
#include "RigTestCase.h"
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

// The recovery control as the window runs it: reads on the responsive file layer's worker,
// Qt's events running meanwhile, over a rig file whose every read takes 3 seconds.
class StopWhileReadBlocksTest : public test::RigTestCase {
protected:
    test::TemporaryFolder destination;
    PosixSystemCalls calls;
    PosixFileLayer posixFiles{calls};
    QtEventPump events;
    ResponsiveFileLayer files{posixFiles, events};
    PosixFolderLayer folders{calls};
    test::ScriptedPrompts messages;
    TimedStopPrompts prompts;
    test::ManualClock clock;
    SharedState shared;
};

TEST_F(StopWhileReadBlocksTest, StopIsAskedWithinASecondAndActedOnAfterTheBlock) {
    test::RigMount rig("file slow.bin 1M 6\nslow slow.bin 3000000\ndirectio slow.bin\n");
    RecoveryProcess process({files, folders, messages, events, clock}, shared, &prompts);
    process.state().SourcePath = rig.path();
    process.state().DestinationPath = destination.path();
    process.job().append(JobItem{rig.file("slow.bin")});
    process.state().Items_Count = 1;
    Clock::time_point clicked;
    QTimer::singleShot(500, [&] {
        clicked = Clock::now();
        process.TerminateMe();
    });

    const auto started = Clock::now();
    process.StartProcess();
    const auto ended = Clock::now();

    ASSERT_TRUE(prompts.asked.has_value()) << "the stop question was never asked";
    EXPECT_LT(*prompts.asked - clicked, std::chrono::seconds(1));
    EXPECT_LT(*prompts.asked - started, std::chrono::seconds(2)) << "asked while the read blocked";
    EXPECT_EQ(rig.counters("slow.bin").reads, 1u) << "no block was read after the answer";
    EXPECT_LT(ended - started, std::chrono::seconds(5));
    EXPECT_EQ(process.job().item(1).StartPosition, 65536) << "paused behind the block";
    EXPECT_TRUE(destination.read("slow.bin").substr(0, 65536) == test::RigPattern::bytes(6, 0, 65536));
}

// The same with a source whose open blocks for 2.5 seconds, as on a dying disc. The first two
// opens are the destination's root, for its files and for its folders.
class StopWhileOpenBlocksTest : public ::testing::Test {
protected:
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
};

TEST_F(StopWhileOpenBlocksTest, StopIsAskedWhileTheOpenBlocksAndTheSourceIsClosedAfter) {
    using namespace std::chrono_literals;
    calls.script("open", test::Fault::blocks(0ms));
    calls.script("open", test::Fault::blocks(0ms));
    calls.script("open", test::Fault::blocks(2500ms));
    RecoveryProcess process({files, folders, messages, events, clock}, shared, &prompts);
    process.state().SourcePath = source.path();
    process.state().DestinationPath = destination.path();
    process.job().append(JobItem{source.write("disc.bin", std::string(4096, 'q'))});
    process.job().append(JobItem{source.write("next.bin", std::string(4096, 'n'))});
    process.state().Items_Count = 2;
    Clock::time_point clicked;
    QTimer::singleShot(300, [&] {
        clicked = Clock::now();
        process.TerminateMe();
    });

    const auto started = Clock::now();
    process.StartProcess();
    const auto ended = Clock::now();

    ASSERT_TRUE(prompts.asked.has_value()) << "the stop question was never asked";
    EXPECT_LT(*prompts.asked - clicked, 1s);
    EXPECT_LT(*prompts.asked - started, 2000ms) << "asked while the open blocked";
    EXPECT_GE(ended - started, 2500ms) << "the run waited for the open's answer";
    EXPECT_FALSE(process.job().item(1).isDone) << "the stop came before its copy";
    EXPECT_FALSE(process.job().item(2).isDone) << "the run ended before the next file";
    EXPECT_EQ(calls.calls("open"), 3) << "the next file was never opened";
    EXPECT_EQ(test::errorNumberOf([&] { files.length(FileNumber::Source); }),
              ErrorNumber::BadFileNameOrNumber)
        << "the source opened late was closed with the run";
}

}  // namespace
}  // namespace quorvex
