#include "InterruptSignal.h"

#include <unistd.h>

#include <cstddef>

#include "Supervisor.h"

namespace quorvex {

namespace {

constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};
constexpr char kFirst[] = "Stopping after the current block (Ctrl-C again quits at once)...\n";
// Clears the progress line on a terminal first.
constexpr char kClearLine[] = "\r\x1b[K";
constexpr unsigned kQuitSeconds = 1;

template <std::size_t Size>
void put(const char (&text)[Size]) {
    const ssize_t ignored = write(STDERR_FILENO, text, Size - 1);
    (void)ignored;
}

sigset_t heldSignals() {
    sigset_t held;
    sigemptyset(&held);
    for (const int number : kSignals) sigaddset(&held, number);
    sigaddset(&held, SIGALRM);
    return held;
}

void setHandler(int number, void (*handler)(int)) {
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    // No SA_RESTART: a question waiting for its answer gives up when the user presses Ctrl-C.
    sigaction(number, &action, nullptr);
}

}  // namespace

volatile std::sig_atomic_t InterruptSignal::count_ = 0;
volatile std::sig_atomic_t InterruptSignal::terminal_ = 0;

void InterruptSignal::install(bool terminal) {
    terminal_ = terminal ? 1 : 0;
    for (const int number : kSignals) setHandler(number, &InterruptSignal::handle);
    setHandler(SIGALRM, &InterruptSignal::alarmed);
    setHandler(SIGPIPE, SIG_IGN);
}

// Only async-signal-safe calls: write(2) and alarm(2).
void InterruptSignal::handle(int) {
    if (count_ < 2) count_ = count_ + 1;
    if (count_ > 1) {
        alarm(kQuitSeconds);
        return;
    }
    if (terminal_ != 0) put(kClearLine);
    put(kFirst);
}

void InterruptSignal::alarmed(int) {
    quit();
}

// A signal waits for the thread it went to while that thread is stuck in a read of a hung
// medium; the thread asking here, which holds the signals, answers it in its place.
void InterruptSignal::takePending() {
    const sigset_t held = heldSignals();
    const timespec now{0, 0};
    for (int number; (number = sigtimedwait(&held, nullptr, &now)) > 0;) {
        if (number == SIGALRM) alarmed(number);
        handle(number);
    }
}

void InterruptSignal::quit() {
    Supervisor::quitting(QuitStatus);
    _exit(QuitStatus);
}

InterruptSignal::HeldForNewThreads::HeldForNewThreads() {
    const sigset_t held = heldSignals();
    pthread_sigmask(SIG_BLOCK, &held, &previous_);
}

InterruptSignal::HeldForNewThreads::~HeldForNewThreads() {
    pthread_sigmask(SIG_SETMASK, &previous_, nullptr);
}

}  // namespace quorvex
