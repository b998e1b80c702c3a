#pragma once

#include <sys/types.h>

#include <cstdint>
#include <string>
#include <vector>

namespace quorvex {

// The entries of one folder that a walk takes, in enumeration order: regular files with their
// sizes, symbolic links of every kind (to a file, to a folder, dangling, in a loop) as entries of
// their own that are never followed, and the real subfolders. Pipes, sockets and device files
// are not taken; they are named with the reason.
struct FolderListing {
    struct File {
        std::string name;
        // 0 for a link: the link's target is not what gets copied.
        std::int64_t size = 0;
        bool link = false;
    };
    struct LeftOut {
        std::string name;
        std::string reason;
    };

    std::vector<File> files;
    std::vector<std::string> folders;
    std::vector<LeftOut> leftOut;
    // False when the folder could not be opened or read to its end; what was read is kept.
    bool complete = true;

    // Reads the folder at path, which ends with "/". Unless followLink is set, a folder that
    // was swapped for a symbolic link since it was looked at is not read.
    static FolderListing read(const std::string& path, bool includeHidden, bool followLink);
    // Why an entry of this kind is not taken, in plain words: "a named pipe", "a socket",
    // "a device file"; empty for a regular file, a folder or a symbolic link.
    static std::string reasonLeftOut(mode_t mode);
};

}  // namespace quorvex
