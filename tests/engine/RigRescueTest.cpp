#include <signal.h>

#include "ItemNoteRecorder.h"
#include "ManualClock.h"
#include "PosixFileLayer.h"
#include "PosixFolderLayer.h"
#include "PosixSystemCalls.h"
#include "RecoveryEngine.h"
#include "RigMount.h"
#include "RigPattern.h"
#include "RigTestCase.h"
#include "ScriptedEventPump.h"
#include "ScriptedPrompts.h"
#include "ScriptedRecoveryPrompts.h"
#include "SpeedSampler.h"
#include "TemporaryFolder.h"

namespace quorvex {
namespace {

using test::RigPattern;

// Rescues files of a mounted damaged-media rig, also one that goes away or changes under the
// copy, through the real POSIX file layer (scattered bad sectors are rescued through the rescue
// command in RescueRigTest). Texts are their own index numbers.
class RigRescueTest : public test::RigTestCase {
protected:
    RigRescueTest() {
        for (std::size_t index = 0; index < texts.size(); ++index)
            texts[index] = "t" + std::to_string(index);
        engine.display().setObserver(&recorder);
    }

    RunEnd rescue(const test::RigMount& rig, const std::vector<std::string>& names) {
        engine.state.SourcePath = rig.path();
        engine.state.DestinationPath = destination.path();
        for (const auto& name : names)
            engine.job.append(JobItem{name.ends_with('/') ? "\t" + rig.file(name) : rig.file(name)});
        engine.state.Items_Count = engine.job.size();
        return engine.StartProcess();
    }

    // Every byte outside the damaged ranges is the pattern and every byte inside is zero, to the
    // source's full length.
    void expectRescued(const std::string& name, std::uint64_t seed, std::int64_t size) {
        const std::string copy = destination.read(name);
        const auto& ranges = engine.damagedFiles().records().at(0).ranges;
        std::int64_t at = 0;
        for (const ByteRange& range : ranges) {
            EXPECT_TRUE(copy.substr(at, range.start - 1 - at) ==
                        RigPattern::bytes(seed, at, range.start - 1 - at));
            EXPECT_TRUE(copy.substr(range.start - 1, range.size()) ==
                        std::string(range.size(), '\0'));
            at = range.end;
        }
        if (at < size) {
            EXPECT_TRUE(copy.substr(at) == RigPattern::bytes(seed, at, size - at));
        }
        EXPECT_EQ(static_cast<std::int64_t>(copy.size()), size);
    }

    test::TemporaryFolder destination;
    PosixSystemCalls calls;
    PosixFileLayer files{calls};
    PosixFolderLayer folders{calls};
    test::ScriptedPrompts messages;
    test::ScriptedRecoveryPrompts prompts;
    test::ScriptedEventPump events;
    test::ManualClock clock;
    SpeedSampler speed{clock};
    TextTable texts{};
    RecoveryEngine engine{{files, folders, messages, prompts, events, speed, texts}};
    test::ItemNoteRecorder recorder;
};

TEST_F(RigRescueTest, AWholeFileComesThroughByteForByteAndADamagedOneToTheSector) {
    test::RigMount rig(
        "file a.bin 1M 3\nbad a.bin 70000 10\ndirectio a.bin\nfile photos/ok.jpg 3000001 5\n");
    EXPECT_EQ(rescue(rig, {"a.bin", "photos/", "photos/ok.jpg"}), RunEnd::ProcessDone);
    ASSERT_EQ(engine.damagedFiles().records().size(), 1u);
    EXPECT_EQ(engine.damagedFiles().records().at(0).rangeText, " 69633 - 70144,")
        << "the one sector that holds the bad bytes";
    expectRescued("a.bin", 3, 1048576);
    EXPECT_TRUE(destination.read("photos/ok.jpg") == RigPattern::bytes(5, 0, 3000001));
}

// The rig's device vanishes (ENODEV), or its daemon is killed and the volume stops answering
// (ENOTCONN), once the copy reached an offset.
struct Disconnection {
    const char* config;
    bool killDaemon;
    std::int64_t reached;
};

class DisconnectedSourceTest : public RigRescueTest,
                               public ::testing::WithParamInterface<Disconnection> {};

TEST_P(DisconnectedSourceTest, IsADriveNotReadyAndNeverDamage) {
    const Disconnection& row = GetParam();
    test::RigMount rig(row.config);
    if (row.killDaemon)
        events.when([this, &row] { return engine.fileCopiedBytes() >= row.reached; },
                    [&rig] { kill(rig.pid(), SIGKILL); });
    messages.answerWith(PromptAnswer::Cancel);

    EXPECT_EQ(rescue(rig, {"a.bin"}), RunEnd::ProcessDone);
    EXPECT_EQ(messages.shown().at(0).text, "t29");
    EXPECT_EQ(engine.state.TotalLostBytes, 0);
    EXPECT_TRUE(engine.damagedFiles().records().at(0).ranges.empty());
    EXPECT_FALSE(engine.job.item(1).isDone);
    EXPECT_EQ(engine.job.item(1).CopiedBytes, row.reached);
    EXPECT_TRUE(destination.read("a.bin").substr(0, row.reached) ==
                RigPattern::bytes(1, 0, row.reached));
}

INSTANTIATE_TEST_SUITE_P(
    Rig, DisconnectedSourceTest,
    ::testing::Values(Disconnection{"file a.bin 1M 1\nvanish a.bin 3\ndirectio a.bin\n", false, 196608},
                      Disconnection{"file a.bin 1M 1\ndirectio a.bin\n", true, 131072}));

TEST_F(RigRescueTest, ASourceThatShrinksLosesTheBytesPastItsNewEnd) {
    test::RigMount rig("file a.bin 1M 4\nshrink a.bin 200000 300000\ndirectio a.bin\n");
    EXPECT_EQ(rescue(rig, {"a.bin"}), RunEnd::ProcessDone);
    const DamageRecord& record = engine.damagedFiles().records().at(0);
    EXPECT_EQ(record.rangeText, " 300001 - 1048576,");
    EXPECT_EQ(record.lostBytes, 748576);
    EXPECT_EQ(engine.state.TotalLostBytes, 748576);
    EXPECT_EQ(recorder.notes, std::vector<std::string>{"1: t45 748576"});
    expectRescued("a.bin", 4, 1048576);
}

}  // namespace
}  // namespace quorvex
