#include <fcntl.h>
#include <gmock/gmock.h>
#include <sys/file.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <regex>
#include <thread>

#include "JobFile.h"
#include "LostRanges.h"
#include "RescueProcess.h"
#include "RigCopyCheck.h"
#include "RigMount.h"
#include "RigPattern.h"
#include "RigTestCase.h"

namespace quorvex::test {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;
using Clock = std::chrono::steady_clock;

// Rescues from a rig whose reads are slow, interrupted by kills and signals; every file must
// come through whole on the same command run again.
class RescueInterruptionTest : public RigTestCase {
  protected:
    std::string job() const { return folder_.file("job"); }
    std::string out(const std::string& name = "") const { return folder_.file("out/" + name); }
    std::vector<std::string> arguments(const RigMount& rig) const {
        return {"--job", job(), rig.path(), out()};
    }

    std::int64_t copied(const std::string& name) const { return sizeOf(out(name)); }
    // A killed run is gone only once its lock is free: its child may still wait for a read.
    bool jobUnlocked() const {
        const int file = open((job() + ".lock").c_str(), O_RDWR | O_CLOEXEC);
        const bool free = file >= 0 && flock(file, LOCK_EX | LOCK_NB) == 0;
        if (file >= 0) close(file);
        return free;
    }
    TemporaryFolder folder_;
};

// The first kill comes before any checkpoint: the partial copy is the job's own, and the run
// after it starts it again without asking. The second comes after a checkpoint, and the last
// run reads only what lies behind it.
TEST_F(RescueInterruptionTest, AKilledRunIsContinuedByTheSameCommand) {
    RigMount rig(
        "file a.bin 100000 1\nfile b.bin 200000 2\nfile slow.bin 4M 3\n"
        "slow slow.bin 100000\ndirectio slow.bin\nfile z.bin 5000 4\n");
    {
        RescueProcess first(arguments(rig));
        ASSERT_TRUE(waitFor([&] { return copied("slow.bin") > 0; }));
        first.signal(SIGKILL);
        EXPECT_EQ(first.finish().status, 128 + SIGKILL);
    }
    ASSERT_TRUE(waitFor([&] { return jobUnlocked(); }));
    {
        RescueProcess second(arguments(rig));
        const std::regex checkpoint("\nupdate 3 0 0 [1-9][0-9]* ");
        ASSERT_TRUE(waitFor([&] { return std::regex_search(folder_.read("job"), checkpoint); }));
        second.signal(SIGKILL);
        second.finish();
    }
    ASSERT_TRUE(waitFor([&] { return jobUnlocked(); }));
    const std::int64_t resumedAt = JobFile(job()).load().items[2].item.StartPosition;
    EXPECT_GT(resumedAt, 0);
    const std::uint64_t servedBefore = rig.counters("slow.bin").bytes;

    const auto last = RescueProcess::run(arguments(rig));
    EXPECT_EQ(last.status, 0) << last.err;
    EXPECT_THAT(last.err, HasSubstr("Continuing the job: 2 of 4 files left."));
    EXPECT_LE(rig.counters("slow.bin").bytes - servedBefore, (4u << 20) - resumedAt + 65536);
    expectRigCopy(out("a.bin"), 1, 100000);
    expectRigCopy(out("b.bin"), 2, 200000);
    expectRigCopy(out("slow.bin"), 3, 4 << 20);
    expectRigCopy(out("z.bin"), 4, 5000);
}

// A closed terminal and the other stop signals act as Ctrl-C: the copy stops after its block
// and the job is saved for the same command. While a run goes, its job file serves no other.
TEST_F(RescueInterruptionTest, StopSignalsSaveTheJobLikeCtrlC) {
    RigMount rig("file slow.bin 1M 7\nslow slow.bin 20000\ndirectio slow.bin\n");
    for (const int number : {SIGHUP, SIGQUIT, SIGTERM}) {
        fs::remove_all(out());
        fs::remove(job());
        RescueProcess stopped(arguments(rig));
        ASSERT_TRUE(waitFor([&] { return copied("slow.bin") >= 131072; }));
        const auto refused = RescueProcess::run(arguments(rig));
        EXPECT_EQ(refused.status, 2);
        EXPECT_THAT(refused.err, HasSubstr("is in use by another quorvex-rescue run"));
        stopped.signal(number);
        const auto result = stopped.finish();
        EXPECT_EQ(result.status, 1) << number;
        EXPECT_THAT(result.err, HasSubstr("The job is saved in " + job())) << number;
        EXPECT_GT(JobFile(job()).load().items[0].item.StartPosition, 0) << number;

        const auto rest = RescueProcess::run(arguments(rig));
        EXPECT_EQ(rest.status, 0) << rest.err;
        expectRigCopy(out("slow.bin"), 7, 1 << 20);
    }
}

// Each read takes two seconds. The first Ctrl-C is answered at once; the second quits within a
// second although the read goes on, and the job keeps the offset before the unfinished block.
TEST_F(RescueInterruptionTest, ASecondCtrlCQuitsAtOnceWhileAReadBlocks) {
    RigMount rig("file slow.bin 300000 9\nslow slow.bin 4000000\ndirectio slow.bin\n");
    RescueProcess process(arguments(rig));
    ASSERT_TRUE(waitFor([&] { return copied("slow.bin") >= 65536; }));
    // The block just written is followed by a moment between blocks, where a Ctrl-C stops the
    // run at once without a read to wait for; a quarter of a second later the next read waits.
    std::this_thread::sleep_for(std::chrono::milliseconds(250));
    process.signal(SIGINT);
    // Both answers come at once; the bounds leave room for a loaded two-core machine, far below
    // the 4 s a read of the rig blocks, so both signals arrive while the second read waits.
    EXPECT_TRUE(
        waitFor([&] { return process.errorSoFar().find("Stopping") != std::string::npos; }, 1.5));
    const auto second = Clock::now();
    process.signal(SIGINT);
    const auto result = process.finish();
    EXPECT_LT(Clock::now() - second, std::chrono::milliseconds(1500));
    EXPECT_EQ(result.status, 1);
    EXPECT_THAT(result.err, HasSubstr("Quit at once; the job is saved in " + job()));
    const JobRecord saved = JobFile(job()).load().items[0];
    EXPECT_EQ(saved.item.StartPosition, 65536);
    EXPECT_TRUE(saved.ownsCopy);
    std::ifstream input(out("slow.bin"), std::ios::binary);
    std::string start(65536, '\0');
    input.read(start.data(), 65536);
    EXPECT_TRUE(start == RigPattern::bytes(9, 0, 65536));
}

// A retry of lost ranges keeps each finished file's narrowed ranges within about a second: killed
// while a later file's failing reads take half a second each, it has lost none of them.
TEST_F(RescueInterruptionTest, AKilledRetryKeepsWhatTheFilesItFinishedGaveBack) {
    RigMount rig(
        "file a.bin 100000 1\nbad a.bin 50000 10\ndirectio a.bin\nfile slow.bin 400000 2\n"
        "bad slow.bin 50000 10\nbad slow.bin 150000 10\nbad slow.bin 250000 10\n"
        "bad slow.bin 350000 10\nfailslow slow.bin 500000\ndirectio slow.bin\n");
    ASSERT_EQ(RescueProcess::run({"--no-sector-pass", "--job", job(), rig.path(), out()}).status,
              1);
    const SavedJob before = JobFile(job()).load();
    const auto indexOf = [&](const std::string& name) {
        for (std::size_t index = 0; index < before.items.size(); ++index)
            if (before.items[index].item.FileName.ends_with("/" + name)) return index;
        return before.items.size();
    };
    const std::size_t a = indexOf("a.bin"), slow = indexOf("slow.bin");
    ASSERT_LT(std::max(a, slow), before.items.size());
    ASSERT_LT(a, slow) << "the fast file comes first";
    const auto lostBytes = &LostRanges::bytes;
    ASSERT_EQ(lostBytes(before.items[a].lost), 8192);

    RescueProcess retry({"--retry-lost", "--job", job()});
    EXPECT_TRUE(waitFor([&] { return lostBytes(JobFile(job()).load().items[a].lost) == 512; }));
    retry.signal(SIGKILL);
    EXPECT_EQ(retry.finish().status, 128 + SIGKILL) << "killed before its end";
    ASSERT_TRUE(waitFor([&] { return jobUnlocked(); }));
    const SavedJob after = JobFile(job()).load();
    EXPECT_EQ(lostBytes(after.items[a].lost), 512);
    EXPECT_EQ(after.items[slow].lost, before.items[slow].lost) << "not finished, not changed";
    expectRigCopy(out("a.bin"), 1, 100000, after.items[a].lost);
}

}  // namespace
}  // namespace quorvex::test
