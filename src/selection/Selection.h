#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace quorvex {

// What a walk collected, in the order the recovery engine takes its items: a file entry is the
// full path of a regular file or a symbolic link, a folder entry a tab followed by the folder's
// path.
struct Selection {
    std::vector<std::string> entries;
    // The sizes of the collected regular files; a symbolic link counts 0 bytes.
    std::int64_t totalBytes = 0;
    // Folders that could not be opened or read to their end; their content is partly missing.
    std::vector<std::string> unreadFolders;
    // Entries the walk saw but does not copy (pipes, sockets, device files), each with the
    // reason in plain words.
    struct LeftOut {
        std::string path;
        std::string reason;
    };
    std::vector<LeftOut> leftOut;
    // True when the walk stopped at the entry limit and left items out.
    bool full = false;

    bool stored() const { return !entries.empty(); }
};

}  // namespace quorvex
