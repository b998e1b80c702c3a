#pragma once

#include <cstdint>

namespace quorvex {

// What a name holds, looked at without following a symbolic link.
struct NameEntry {
    enum class Kind { Missing, File, Link, Folder, Other };

    Kind kind = Kind::Missing;
    // The length of a file, in bytes.
    std::int64_t length = 0;

    bool exists() const { return kind != Kind::Missing; }
};

}  // namespace quorvex
