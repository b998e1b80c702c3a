#pragma once

#include <cstdint>
#include <string>

#include "BlockCopy.h"

namespace quorvex {

// The state of one file's copy, shared by the first pass and the second look at its damage.
// Lives within one call of Copying, whose arguments the source and target refer to.
struct BlockCopy::FileCopy {
    const std::string& source;
    const CopyTarget& target;
    // The name a copy that lost bytes was kept under, beside the earlier file it did not replace.
    std::string keptBeside{};
    // A link stood where the copy was to be put.
    bool linkMet = false;
    std::int64_t fileLength = 0;
    // The source's length when the copy began; it is shorter now if the source shrank.
    std::int64_t File1Size = 0;
    std::int64_t position = 1;
    std::int64_t blockLength = 0;
    int lastPercent = 0;
    std::string FileDTV{};
    bool pastEnd = false;
    // The position and block were set for the next read by probing a failing block.
    bool probing = false;
    // Where the data read now ends: the next hole, or past the end. The file system could not
    // tell where its holes are: everything is read as data.
    std::int64_t holeStart = 0;
    bool holesUnknown = false;
    std::int16_t result = Failed;
};

}  // namespace quorvex
