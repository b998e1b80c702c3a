#include "RescueProcess.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <stdexcept>
#include <thread>

extern char** environ;

namespace quorvex::test {

namespace {

int exitStatusOf(int waitStatus) {
    if (WIFEXITED(waitStatus)) return WEXITSTATUS(waitStatus);
    return 128 + WTERMSIG(waitStatus);
}

}  // namespace

RescueProcess::RescueProcess(const std::vector<std::string>& arguments, Outputs outputs) {
    std::vector<std::string> words{QUORVEX_RESCUE_PROGRAM};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    const std::string out = output_.file("out"), err = output_.file("err");
    if (outputs == Outputs::Caught) {
        posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT, 0600);
        posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT, 0600);
    } else {
        posix_spawn_file_actions_addclose(&actions, 1);
        posix_spawn_file_actions_addclose(&actions, 2);
    }
    const int failed = posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (failed != 0) throw std::runtime_error("cannot start " + words[0]);
}

RescueProcess::~RescueProcess() {
    if (!running()) return;
    kill(pid_, SIGKILL);
    finish();
}

// A process already reaped is left alone: its number may belong to another one by now.
void RescueProcess::signal(int number) const {
    if (status_ < 0) kill(pid_, number);
}

bool RescueProcess::running() {
    if (status_ >= 0) return false;
    int waitStatus = 0;
    if (waitpid(pid_, &waitStatus, WNOHANG) != pid_) return true;
    status_ = exitStatusOf(waitStatus);
    return false;
}

RescueProcess::Result RescueProcess::finish() {
    if (status_ < 0) {
        int waitStatus = 0;
        while (waitpid(pid_, &waitStatus, 0) < 0)
            if (errno != EINTR) throw std::runtime_error("the rescue process is lost");
        status_ = exitStatusOf(waitStatus);
    }
    return {status_, output_.read("out"), output_.read("err")};
}

bool waitFor(const std::function<bool()>& condition, double seconds) {
    using Clock = std::chrono::steady_clock;
    const auto end = Clock::now() + std::chrono::duration<double>(seconds);
    while (!condition()) {
        if (Clock::now() > end) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

std::int64_t sizeOf(const std::string& path) {
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    return error ? -1 : static_cast<std::int64_t>(size);
}

}  // namespace quorvex::test
