#pragma once

#include <cstdint>
#include <string>

namespace quorvex {

// Answers about an existing destination file.
namespace ExistingFileAnswer {
constexpr std::int16_t NotAsked = 0;
constexpr std::int16_t Overwrite = 1;
constexpr std::int16_t OverwriteAll = 10;
constexpr std::int16_t Skip = 2;
constexpr std::int16_t SkipAll = 20;
}  // namespace ExistingFileAnswer

// Answers to the question whether and how to stop.
namespace AbortAnswer {
constexpr std::int16_t GoOn = 0;
constexpr std::int16_t Pause = 1;
constexpr std::int16_t StopThisFile = 2;
constexpr std::int16_t Abort = 3;
}  // namespace AbortAnswer

// The two questions a recovery run asks the user. Both always come back with an answer.
class RecoveryPrompts {
public:
    virtual ~RecoveryPrompts() = default;

    // The destination file exists: 1 overwrite, 10 overwrite all, 2 skip, 20 skip all.
    virtual std::int16_t askAboutExistingFile(const std::string& destination) = 0;
    // The user asked to stop: 0 go on, 1 pause, 2 stop this file, 3 abort.
    virtual std::int16_t askToAbort() = 0;
};

}  // namespace quorvex
