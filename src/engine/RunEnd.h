#pragma once

namespace quorvex {

// How a run ended, as the event raised to the host; NoEvent after a "stop this file" answer
// given when no copy followed it.
enum class RunEnd { ProcessDone, ProcessPaused, ProcessAborted, NoEvent };

}  // namespace quorvex
