#pragma once

#include <sys/types.h>

#include <csignal>
#include <optional>

namespace quorvex {

// Runs the command in a child process while the process that was started only waits for it.
// A quit at once must end the command even while one of its reads hangs where the kernel does
// not let a process end (a FUSE volume whose daemon hangs, a disk in uninterruptible I/O): the
// child saves the job, tells the parent that it quits, and the parent ends at once with the
// child's status; the child itself ends when its read returns. A signal sent to the parent
// with kill() is passed on to the child; one the terminal sends (Ctrl-C, a hang-up) reaches
// the child by itself, as both are in the terminal's process group. When the parent is killed,
// the child is killed too.
class Supervisor {
  public:
    // In the parent, the exit status to end with, once the child ended or quit; in the child,
    // or where no child can be started, nothing, and the command goes on.
    static std::optional<int> split();
    // From the child, async-signal-safe: the parent ends now with this status.
    static void quitting(int status);

  private:
    static int wait(pid_t child, int quits);
    static int statusOf(int waitStatus);
    static void passOn(int number, siginfo_t* info, void* context);

    static volatile pid_t child_;
    static int quits_;
};

}  // namespace quorvex
