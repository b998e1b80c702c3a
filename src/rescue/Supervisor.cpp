#include "Supervisor.h"

#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

namespace quorvex {

namespace {

constexpr int kPassedOn[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};

}  // namespace

volatile pid_t Supervisor::child_ = -1;
int Supervisor::quits_ = -1;

std::optional<int> Supervisor::split() {
    int quits[2];
    if (pipe2(quits, O_CLOEXEC) != 0) return std::nullopt;
    const pid_t parent = getpid();
    const pid_t child = fork();
    if (child < 0) {
        close(quits[0]);
        close(quits[1]);
        return std::nullopt;
    }
    if (child == 0) {
        close(quits[0]);
        quits_ = quits[1];
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (getppid() != parent) _exit(128 + SIGKILL);
        return std::nullopt;
    }
    close(quits[1]);
    return wait(child, quits[0]);
}

void Supervisor::quitting(int status) {
    if (quits_ < 0) return;
    const char byte = static_cast<char>(status);
    const ssize_t ignored = write(quits_, &byte, 1);
    (void)ignored;
}

// The child's quit arrives as one byte; its end closes the pipe.
int Supervisor::wait(pid_t child, int quits) {
    child_ = child;
    for (const int number : kPassedOn) {
        struct sigaction action {};
        action.sa_sigaction = &Supervisor::passOn;
        action.sa_flags = SA_SIGINFO | SA_RESTART;
        sigemptyset(&action.sa_mask);
        sigaction(number, &action, nullptr);
    }
    char byte = 0;
    ssize_t count = 0;
    while ((count = read(quits, &byte, 1)) < 0 && errno == EINTR) {
    }
    if (count == 1) return static_cast<unsigned char>(byte);
    int waitStatus = 0;
    while (waitpid(child, &waitStatus, 0) < 0)
        if (errno != EINTR) return 2;
    return statusOf(waitStatus);
}

// A child ended by a signal ends the parent the same way, so the caller sees what happened.
int Supervisor::statusOf(int waitStatus) {
    if (WIFEXITED(waitStatus)) return WEXITSTATUS(waitStatus);
    const int number = WTERMSIG(waitStatus);
    signal(number, SIG_DFL);
    raise(number);
    return 128 + number;
}

// Only signals sent by a process are passed on: the child has its own copy of those the
// terminal sends to the whole process group.
void Supervisor::passOn(int number, siginfo_t* info, void*) {
    if (info != nullptr && info->si_code <= 0) kill(child_, number);
}

}  // namespace quorvex
