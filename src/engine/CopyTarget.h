#pragma once

#include <string>

namespace quorvex {

// Where a copy is written and the name it ends up under. A copy that replaces an earlier file
// is written beside it under a partial name of its own, so that the earlier file stays whole
// until the new copy is; a new file is written under its own name.
struct CopyTarget {
    static constexpr const char* PartialSuffix = ".quorvex-partial";
    static constexpr const char* IncompleteSuffix = ".rescued-incomplete";

    // The destination.
    std::string path;
    // The name written to until the copy is complete: the destination or its partial copy.
    std::string writtenAs;
    // The written name holds an earlier copy of this file, which the copy continues or starts
    // again; otherwise it is created and never an existing file taken over.
    bool earlierCopy = false;
    // The new file was made, and is open as file 2, as the name was found free.
    bool created = false;

    bool replacing() const { return writtenAs != path; }

    static std::string partialOf(const std::string& path) { return path + PartialSuffix; }
    // The n-th name a copy that lost bytes is kept under beside an earlier file: n = 1 is
    // "<name>.rescued-incomplete", then ".rescued-incomplete.2" and on.
    static std::string incompleteOf(const std::string& path, int n) {
        return path + IncompleteSuffix + (n > 1 ? "." + std::to_string(n) : "");
    }
};

}  // namespace quorvex
