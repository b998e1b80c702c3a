#pragma once

#include <csignal>

namespace quorvex {

// Ctrl-C (SIGINT), SIGTERM, a closed terminal (SIGHUP) and SIGQUIT ask the run to stop after
// the current block. The first is acknowledged at once by the handler itself, so the answer
// shows even while a read blocks for seconds. A second asks to quit at once: the run saves the
// job where it stands and ends within a second; should the program not get to that, because
// something other than the copy blocks, an alarm ends it a second later anyway. SIGPIPE is
// ignored: a closed output must not end a run before its job is saved.
class InterruptSignal {
  public:
    // Exit status of a program ended by a second signal.
    static constexpr int QuitStatus = 1;

    static void install(bool terminal);
    static bool raised() { return count_ > 0; }
    static bool quitAsked() { return count_ > 1; }
    // Answers the signals that wait for another thread, from a thread started while they were
    // held.
    static void takePending();
    // Ends the command now with QuitStatus; async-signal-safe.
    [[noreturn]] static void quit();
    // Blocks the signals for threads started from now on, which leaves them to the main thread;
    // the destructor unblocks them again.
    class HeldForNewThreads {
      public:
        HeldForNewThreads();
        ~HeldForNewThreads();
        HeldForNewThreads(const HeldForNewThreads&) = delete;
        HeldForNewThreads& operator=(const HeldForNewThreads&) = delete;

      private:
        sigset_t previous_;
    };

  private:
    static void handle(int number);
    static void alarmed(int number);

    static volatile std::sig_atomic_t count_;
    static volatile std::sig_atomic_t terminal_;
};

}  // namespace quorvex
