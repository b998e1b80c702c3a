#pragma once

#include <cstdint>
#include <string>

namespace quorvex {

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
