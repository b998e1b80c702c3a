#pragma once

#include <cstdint>

namespace quorvex {

// How a stored run ended. Running marks a run stored while it goes on, or one that was killed
// before it could store its end. The numbers are kept in the history file: never renumber.
enum class RunOutcome : std::int32_t { Running = 0, Completed = 1, Paused = 2, Aborted = 3 };

}  // namespace quorvex
