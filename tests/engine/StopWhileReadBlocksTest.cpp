#include <QTimer>
#include <chrono>
#include <gtest/gtest.h>
#include <optional>

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

}  // namespace
}  // namespace quorvex
