#pragma once

#include <cstdint>
#include <string>

#include "CopyTarget.h"
#include "FileLayer.h"

namespace quorvex {

// The destination side of one copy, as file 2 of the file layer: the file the copy is written
// to, and what makes a complete copy whole and puts it in its place.
class CopyDestination {
public:
    explicit CopyDestination(FileLayer& files) : files_(files) {}

    // Opens the written name as file 2, unless the target was created open. A new file is
    // created, never a file of that name taken over; a copy from the start begins empty.
    // Raises RunTimeError.
    void open(const CopyTarget& target, std::int64_t start);
    // Gives file 2 the length, where a damaged or sparse end reads as zeros, and the source's
    // modification time and permission bits.
    void complete(std::int64_t length);
    // Puts a complete copy in its place and returns the name it is under: over the earlier
    // file when the copy is whole, otherwise beside it under a name that says what it is. A
    // partial name that no longer holds file 2 is left alone. Raises RunTimeError.
    std::string place(const CopyTarget& target, bool whole);
    // True when the name, not followed, still holds file 2 with the length. Raises LinkInPath
    // when a link now stands on the way to it.
    bool isInPlace(const std::string& name, std::int64_t length);

private:
    std::string keepBeside(const CopyTarget& target);

    FileLayer& files_;
};

}  // namespace quorvex
