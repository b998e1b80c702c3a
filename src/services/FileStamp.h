#pragma once

#include <sys/stat.h>

#include <optional>
#include <string>

namespace quorvex {

// What tells that a file is still the one seen before, unchanged: its device and inode, its
// length and its modification and change times.
struct FileStamp {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified{};
    timespec changed{};

    // The file's stamp, or nothing when it cannot be looked at.
    static std::optional<FileStamp> of(const std::string& path) {
        struct stat status {};
        if (::stat(path.c_str(), &status) != 0) return std::nullopt;
        return FileStamp{status.st_dev, status.st_ino, status.st_size, status.st_mtim,
                         status.st_ctim};
    }

    bool operator==(const FileStamp& other) const {
        return device == other.device && inode == other.inode && size == other.size &&
               same(modified, other.modified) && same(changed, other.changed);
    }

private:
    static bool same(const timespec& a, const timespec& b) {
        return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
    }
};

}  // namespace quorvex
