#pragma once

#include <sys/types.h>

#include <string>

namespace quorvex::test {

// The quorvex_rig process serving one mount point. It starts in the constructor; stop() and
// the destructor unmount the volume and reap the process, whatever state either is in.
class RigDaemon {
public:
    RigDaemon(const std::string& program, const std::string& config, const std::string& mountPoint,
              const std::string& log);
    ~RigDaemon() { stop(); }
    RigDaemon(const RigDaemon&) = delete;
    RigDaemon& operator=(const RigDaemon&) = delete;

    // True when /proc/self/mountinfo lists a volume mounted on the folder.
    static bool isMounted(const std::string& mountPoint);

    pid_t pid() const { return pid_; }
    // True once the process ended; it is reaped then.
    bool exited();
    // Unmounts and reaps. Returns the exit code, or 128 plus the signal that ended the process.
    int stop();

private:
    // True when only a lazy unmount detached the volume: something still holds it open.
    bool unmount() const;
    int reap(bool busy);
    bool waitForExit(int milliseconds);

    std::string mountPoint_;
    pid_t pid_ = -1;
    int status_ = -1;
};

}  // namespace quorvex::test
