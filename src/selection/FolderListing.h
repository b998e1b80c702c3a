#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace quorvex {

// The entries of one folder that a walk takes, in enumeration order: regular files (and
// symbolic links to regular files) with their sizes, and the real subfolders. Links to folders,
// sockets, pipes and device nodes are left out.
struct FolderListing {
    struct File {
        std::string name;
        std::int64_t size = 0;
    };

    std::vector<File> files;
    std::vector<std::string> folders;
    // False when the folder could not be opened or read to its end; what was read is kept.
    bool complete = true;

    // Reads the folder at path, which ends with "/". Unless followLink is set, a folder that
    // was swapped for a symbolic link since it was looked at is not read.
    static FolderListing read(const std::string& path, bool includeHidden, bool followLink);
};

}  // namespace quorvex
