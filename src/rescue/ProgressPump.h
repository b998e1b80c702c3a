#pragma once

#include "Console.h"
#include "EventPump.h"
#include "MonotonicClock.h"
#include "ProgressLine.h"
#include "RecoveryState.h"
#include "RunStatus.h"

namespace quorvex {

// What the engine calls between its steps. It turns a Ctrl-C into the pause answer, which
// stops the copy after its current block with the offset kept, and redraws the progress line
// at most every tenth of a second.
class ProgressPump final : public EventPump {
  public:
    static constexpr double RedrawSeconds = 0.1;

    ProgressPump(Console& console, const MonotonicClock& clock, const RunStatus& status,
                 const ProgressLine& line);

    void watch(RecoveryState& state) { state_ = &state; }
    void runPendingEvents() override;

  private:
    void stopRequested();

    Console& console_;
    const MonotonicClock& clock_;
    const RunStatus& status_;
    const ProgressLine& line_;
    RecoveryState* state_ = nullptr;
    double lastDrawn_ = -1.0;
    bool stopAnnounced_ = false;
};

}  // namespace quorvex
