#include "InterruptSignal.h"

namespace quorvex {

volatile std::sig_atomic_t InterruptSignal::raised_ = 0;

void InterruptSignal::install() {
    struct sigaction action {};
    action.sa_handler = &InterruptSignal::handle;
    sigemptyset(&action.sa_mask);
    // No SA_RESTART: a question waiting for its answer gives up when the user presses Ctrl-C.
    action.sa_flags = SA_RESETHAND;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    sigaction(SIGPIPE, &ignore, nullptr);
}

void InterruptSignal::handle(int) {
    raised_ = 1;
}

}  // namespace quorvex
