#include "ProgressPump.h"

#include "InterruptSignal.h"
#include "RecoveryPrompts.h"

namespace quorvex {

ProgressPump::ProgressPump(Console& console, const MonotonicClock& clock, const RunStatus& status,
                           const ProgressLine& line)
    : console_(console), clock_(clock), status_(status), line_(line) {}

void ProgressPump::runPendingEvents() {
    if (InterruptSignal::raised()) stopRequested();
    if (!console_.showsProgress()) return;
    const double now = clock_.seconds();
    if (lastDrawn_ >= 0.0 && now - lastDrawn_ < RedrawSeconds) return;
    lastDrawn_ = now;
    console_.status(line_.format(status_, console_.width()));
}

// Each file's copy starts with the answer cleared, so the pause is given again at every call
// until the run has stopped.
void ProgressPump::stopRequested() {
    if (state_ != nullptr) state_->AbortWindowResult = AbortAnswer::Pause;
    if (stopAnnounced_) return;
    stopAnnounced_ = true;
    console_.note("Stopping after the current block (Ctrl-C again quits at once)...");
}

}  // namespace quorvex
