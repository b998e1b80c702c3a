#pragma once

#include <sys/types.h>

#include <string>

#include "RigCounters.h"
#include "RigDaemon.h"
#include "TemporaryFolder.h"

namespace quorvex::test {

// Mounts a damaged-media rig for one test: writes the configuration into a temporary folder,
// starts quorvex_rig on a mount point there and waits until the volume is live. The destructor
// unmounts and reaps the rig, also when the test failed or threw. Tests skip unless available().
class RigMount {
public:
    explicit RigMount(const std::string& config);
    RigMount(const RigMount&) = delete;
    RigMount& operator=(const RigMount&) = delete;

    static bool available() { return unavailableReason().empty(); }
    // Why this machine cannot mount FUSE volumes; empty when it can.
    static std::string unavailableReason();

    // The mount point with a trailing "/".
    std::string path() const { return mountPoint_ + "/"; }
    std::string file(const std::string& name) const { return path() + name; }
    // The read handler's counters for a file, by its name in the configuration.
    RigCounters counters(const std::string& name) const;
    // The rig's process, or -1 after unmount(); a test may signal it to pull the device out.
    pid_t pid() const { return daemon_.pid(); }
    // Unmounts now; returns the rig's exit status (0 when it ended cleanly).
    int unmount() { return daemon_.stop(); }
    // What the rig wrote to its standard output and error.
    std::string log() const { return folder_.read("rig.log"); }

private:
    std::string prepare(const std::string& config) const;
    void waitUntilMounted();

    TemporaryFolder folder_;
    std::string mountPoint_;
    RigDaemon daemon_;
};

}  // namespace quorvex::test
