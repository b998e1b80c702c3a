#include <sys/wait.h>

#include <optional>
#include <stdexcept>

#include "RigReader.h"
#include "RigTestCase.h"

namespace quorvex::test {
namespace {

// What a test sees of a rig once its RigMount is gone.
struct Aftermath {
    std::string mountPoint;
    pid_t pid = -1;

    bool stillMounted() const { return RigDaemon::isMounted(mountPoint); }
    bool reaped() const { return waitpid(pid, nullptr, WNOHANG) < 0 && errno == ECHILD; }
};

Aftermath aftermathOf(const RigMount& rig) {
    return {rig.path().substr(0, rig.path().size() - 1), rig.pid()};
}

class RigMountTest : public RigTestCase {};

TEST_F(RigMountTest, UnmountsAndReapsWhenTheTestThrows) {
    Aftermath after;
    const auto failingTest = [&after] {
        RigMount rig("file a.bin 10 1\n");
        after = aftermathOf(rig);
        if (after.stillMounted()) throw std::runtime_error("a failing test");
    };
    EXPECT_THROW(failingTest(), std::runtime_error);
    EXPECT_FALSE(after.stillMounted());
    EXPECT_TRUE(after.reaped());
}

TEST_F(RigMountTest, UnmountsAVolumeStillHeldOpen) {
    Aftermath after;
    std::optional<RigReader> open;
    {
        RigMount rig("file a.bin 10 1\n");
        after = aftermathOf(rig);
        open.emplace(rig.file("a.bin"));
    }
    EXPECT_FALSE(after.stillMounted());
    EXPECT_TRUE(after.reaped());
    EXPECT_EQ(open->read(0, 10).error, ENOTCONN) << "the device is gone for the open descriptor";
}

TEST_F(RigMountTest, UnmountReportsACleanExit) {
    RigMount rig("file a.bin 10 1\n");
    const Aftermath after = aftermathOf(rig);
    EXPECT_EQ(rig.unmount(), 0) << rig.log();
    EXPECT_FALSE(after.stillMounted());
    EXPECT_TRUE(after.reaped());
    EXPECT_EQ(rig.pid(), -1);
    EXPECT_EQ(rig.unmount(), 0) << "a second unmount changes nothing";
}

TEST_F(RigMountTest, ReportsAConfigErrorInsteadOfMounting) {
    try {
        RigMount rig("file a.bin 10 1\nfile b.bin twelve 1\n");
        ADD_FAILURE() << "the rig mounted a faulty configuration";
    } catch (const std::runtime_error& error) {
        EXPECT_NE(std::string(error.what()).find("line 2: \"twelve\" is not a number"),
                  std::string::npos)
            << error.what();
    }
}

}  // namespace
}  // namespace quorvex::test
