#include "ProgressPump.h"

#include "InterruptSignal.h"
#include "RecoveryPrompts.h"

namespace quorvex {

ProgressPump::ProgressPump(Console& console, const MonotonicClock& clock, const RunStatus& status,
                           const ProgressLine& line)
    : console_(console), clock_(clock), status_(status), line_(line) {}

void ProgressPump::runPendingEvents() {
    if (recorder_ != nullptr) recorder_->betweenBlocks();
    common();
}

// Runs on the file layer's watcher while a call of the copy lasts.
void ProgressPump::Waiting::runPendingEvents() {
    InterruptSignal::takePending();
    if (pump_.recorder_ != nullptr) pump_.recorder_->whileWaiting();
    pump_.common();
}

// Each file's copy starts with the answer cleared, so the pause is given again at every call
// until the run has stopped.
void ProgressPump::common() {
    if (InterruptSignal::quitAsked()) quit();
    if (InterruptSignal::raised() && state_ != nullptr)
        state_->AbortWindowResult = AbortAnswer::Pause;
    if (!console_.showsProgress()) return;
    const double now = clock_.seconds();
    if (lastDrawn_ >= 0.0 && now - lastDrawn_ < RedrawSeconds) return;
    lastDrawn_ = now;
    console_.status(line_.format(status_, console_.width()));
}

// The block in hand is left unfinished: the job keeps the offset before it, and the worker
// thread that may still wait for the medium ends with the process.
void ProgressPump::quit() {
    const std::string saved =
        recorder_ != nullptr ? recorder_->saveBeforeQuitting() : "nothing was copied yet.";
    console_.note("Quit at once; " + saved);
    InterruptSignal::quit();
}

}  // namespace quorvex
