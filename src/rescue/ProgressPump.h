#pragma once

#include "Console.h"
#include "EventPump.h"
#include "JobRecorder.h"
#include "MonotonicClock.h"
#include "ProgressLine.h"
#include "RecoveryState.h"
#include "RunStatus.h"

namespace quorvex {

// What the engine calls between its steps, and the file layer's watcher thread every 20 ms
// while a read or write waits (waiting(); it answers the signals the stuck thread cannot). It
// turns a Ctrl-C into the pause answer, which stops the copy after its current block with the
// offset kept; at a second Ctrl-C it saves the job and quits at once, also while a read still
// blocks. It lets the job recorder save, and redraws the progress line at most every tenth of
// a second.
class ProgressPump final : public EventPump {
  public:
    static constexpr double RedrawSeconds = 0.1;

    ProgressPump(Console& console, const MonotonicClock& clock, const RunStatus& status,
                 const ProgressLine& line);

    void watch(RecoveryState& state, JobRecorder& recorder) {
        state_ = &state;
        recorder_ = &recorder;
    }
    void runPendingEvents() override;
    EventPump& waiting() { return waiting_; }

  private:
    class Waiting final : public EventPump {
      public:
        explicit Waiting(ProgressPump& pump) : pump_(pump) {}
        void runPendingEvents() override;

      private:
        ProgressPump& pump_;
    };

    void common();
    [[noreturn]] void quit();

    Console& console_;
    const MonotonicClock& clock_;
    const RunStatus& status_;
    const ProgressLine& line_;
    Waiting waiting_{*this};
    RecoveryState* state_ = nullptr;
    JobRecorder* recorder_ = nullptr;
    double lastDrawn_ = -1.0;
};

}  // namespace quorvex
