#pragma once

#include <csignal>

namespace quorvex {

// Ctrl-C (SIGINT) or SIGTERM asks the run to stop after the current block. The handler only
// notes the request; the handlers are reset by it, so a second signal ends the program at
// once. SIGPIPE is ignored: a closed output must not end a run before its job is saved.
class InterruptSignal {
  public:
    static void install();
    static bool raised() { return raised_ != 0; }

  private:
    static void handle(int number);

    static volatile std::sig_atomic_t raised_;
};

}  // namespace quorvex
