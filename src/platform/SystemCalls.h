#pragma once

#include <sys/stat.h>
#include <sys/types.h>
#include <time.h>

#include <cstddef>
#include <cstdint>

namespace quorvex {

// The single seam through which the file layer reaches the operating system. Each call behaves
// like its POSIX namesake: -1 (or nullptr) with errno set on failure. Tests put a double here
// to inject EIO, EINTR and short transfers.
class SystemCalls {
public:
    virtual ~SystemCalls() = default;

    virtual int open(const char* path, int flags, mode_t mode) = 0;
    virtual int close(int descriptor) = 0;
    virtual ssize_t pread(int descriptor, void* buffer, std::size_t count, off_t offset) = 0;
    virtual ssize_t pwrite(int descriptor, const void* buffer, std::size_t count, off_t offset) = 0;
    virtual off_t lseek(int descriptor, off_t offset, int whence) = 0;
    virtual int fcntl(int descriptor, int command, int argument) = 0;
    virtual int fstat(int descriptor, struct stat* status) = 0;
    virtual int stat(const char* path, struct stat* status) = 0;
    virtual int unlink(const char* path) = 0;
    virtual int mkdir(const char* path, mode_t mode) = 0;
    virtual ssize_t copy_file_range(int from, off_t* fromOffset, int to, off_t* toOffset,
                                    std::size_t count) = 0;
    virtual int posix_fadvise(int descriptor, off_t offset, off_t length, int advice) = 0;
    // sync_file_range(2): here only to start writing a file's changed pages, without waiting.
    virtual int sync_file_range(int descriptor, off_t offset, off_t length, unsigned flags) = 0;
    virtual char* getcwd(char* buffer, std::size_t size) = 0;

    // Names relative to an open folder, for the destination's confined names.
    virtual int openat(int folder, const char* name, int flags, mode_t mode) = 0;
    // openat2(2) with the open flags, mode and RESOLVE_* flags.
    virtual int openat2(int folder, const char* path, int flags, mode_t mode,
                        std::uint64_t resolve) = 0;
    virtual int fstatat(int folder, const char* name, struct stat* status, int flags) = 0;
    virtual int mkdirat(int folder, const char* name, mode_t mode) = 0;
    virtual int unlinkat(int folder, const char* name, int flags) = 0;
    virtual int renameat2(int fromFolder, const char* from, int toFolder, const char* to,
                          unsigned flags) = 0;
    virtual int symlinkat(const char* target, int folder, const char* name) = 0;
    virtual ssize_t readlinkat(int folder, const char* name, char* buffer, std::size_t size) = 0;

    // What a finished copy takes over from its source.
    virtual int ftruncate(int descriptor, off_t length) = 0;
    virtual int futimens(int descriptor, const struct timespec times[2]) = 0;
    virtual int fchmod(int descriptor, mode_t mode) = 0;
};

}  // namespace quorvex
