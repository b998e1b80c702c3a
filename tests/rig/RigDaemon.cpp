#include "RigDaemon.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>
#include <vector>

extern char** environ;

namespace quorvex::test {
namespace {

pid_t spawn(const std::vector<std::string>& command, const std::string& output) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, output.c_str(),
                                     O_WRONLY | O_CREAT | O_APPEND, 0644);
    posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
    std::vector<char*> argv;
    for (const std::string& word : command) argv.push_back(const_cast<char*>(word.c_str()));
    argv.push_back(nullptr);
    pid_t pid = -1;
    const int error = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    return error == 0 ? pid : -1;
}

int statusOf(int waitStatus) {
    return WIFEXITED(waitStatus) ? WEXITSTATUS(waitStatus) : 128 + WTERMSIG(waitStatus);
}

bool succeeds(const std::vector<std::string>& command) {
    const pid_t pid = spawn(command, "/dev/null");
    int waitStatus = 0;
    return pid > 0 && waitpid(pid, &waitStatus, 0) == pid && statusOf(waitStatus) == 0;
}

}  // namespace

RigDaemon::RigDaemon(const std::string& program, const std::string& config,
                     const std::string& mountPoint, const std::string& log)
    : mountPoint_(mountPoint), pid_(spawn({program, config, mountPoint, "-f"}, log)) {
    if (pid_ <= 0) throw std::runtime_error("cannot start " + program);
}

bool RigDaemon::isMounted(const std::string& mountPoint) {
    std::ifstream table("/proc/self/mountinfo");
    for (std::string line; std::getline(table, line);) {
        std::istringstream fields(line);
        std::string id, parent, device, root, point;
        fields >> id >> parent >> device >> root >> point;
        if (point == mountPoint) return true;
    }
    return false;
}

bool RigDaemon::exited() {
    if (pid_ <= 0) return true;
    int waitStatus = 0;
    if (waitpid(pid_, &waitStatus, WNOHANG) != pid_) return false;
    status_ = statusOf(waitStatus);
    pid_ = -1;
    return true;
}

int RigDaemon::stop() {
    const bool busy = isMounted(mountPoint_) && unmount();
    return reap(busy);
}

// A busy volume (a descriptor still open) refuses the plain unmount; the lazy ones detach it.
bool RigDaemon::unmount() const {
    if (succeeds({"fusermount3", "-u", mountPoint_})) return false;
    if (!succeeds({"fusermount3", "-u", "-z", mountPoint_})) succeeds({"umount", "-l", mountPoint_});
    return true;
}

// The rig ends by itself once unmounted. A detached volume that is still held open keeps it
// serving, so then it is told to stop at once.
int RigDaemon::reap(bool busy) {
    if (!busy && waitForExit(5000)) return status_;
    kill(pid_, SIGTERM);
    if (waitForExit(2000)) return status_;
    kill(pid_, SIGKILL);
    waitForExit(-1);
    return status_;
}

bool RigDaemon::waitForExit(int milliseconds) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    while (!exited()) {
        if (milliseconds >= 0 && std::chrono::steady_clock::now() >= deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}

}  // namespace quorvex::test
