#include <sys/wait.h>

#include <optional>
#include <stdexcept>

#include "RigReader.h"
#include "RigTestCase.h"

namespace quorvex::test {
namespace {

class RigMountTest : public RigTestCase {};

// A failing test still leaves no mount and no child behind, even with a file held open.
TEST_F(RigMountTest, UnmountsAndReapsWhenTheTestThrowsWithAFileOpen) {
    std::string mountPoint;
    pid_t pid = -1;
    std::optional<RigReader> open;
    const auto failingTest = [&] {
        RigMount rig("file a.bin 10 1\n");
        mountPoint = rig.path().substr(0, rig.path().size() - 1);
        pid = rig.pid();
        open.emplace(rig.file("a.bin"));
        if (RigDaemon::isMounted(mountPoint)) throw std::runtime_error("a failing test");
    };
    EXPECT_THROW(failingTest(), std::runtime_error);
    EXPECT_FALSE(RigDaemon::isMounted(mountPoint));
    EXPECT_TRUE(waitpid(pid, nullptr, WNOHANG) < 0 && errno == ECHILD) << "not reaped";
    EXPECT_EQ(open->read(0, 10).error, ENOTCONN) << "the device is gone for the open descriptor";
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
