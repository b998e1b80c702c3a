#pragma once

#include "SystemCalls.h"

namespace quorvex {

// SystemCalls passed straight to the C library.
class PosixSystemCalls final : public SystemCalls {
public:
    int open(const char* path, int flags, mode_t mode) override;
    int close(int descriptor) override;
    ssize_t pread(int descriptor, void* buffer, std::size_t count, off_t offset) override;
    ssize_t pwrite(int descriptor, const void* buffer, std::size_t count, off_t offset) override;
    off_t lseek(int descriptor, off_t offset, int whence) override;
    int fcntl(int descriptor, int command, int argument) override;
    int fstat(int descriptor, struct stat* status) override;
    int stat(const char* path, struct stat* status) override;
    int unlink(const char* path) override;
    int mkdir(const char* path, mode_t mode) override;
    ssize_t copy_file_range(int from, off_t* fromOffset, int to, off_t* toOffset,
                            std::size_t count) override;
    int posix_fadvise(int descriptor, off_t offset, off_t length, int advice) override;
    int sync_file_range(int descriptor, off_t offset, off_t length, unsigned flags) override;
    char* getcwd(char* buffer, std::size_t size) override;
    int openat(int folder, const char* name, int flags, mode_t mode) override;
    int openat2(int folder, const char* path, int flags, mode_t mode,
                std::uint64_t resolve) override;
    int fstatat(int folder, const char* name, struct stat* status, int flags) override;
    int mkdirat(int folder, const char* name, mode_t mode) override;
    int unlinkat(int folder, const char* name, int flags) override;
    int renameat2(int fromFolder, const char* from, int toFolder, const char* to,
                  unsigned flags) override;
    int symlinkat(const char* target, int folder, const char* name) override;
    ssize_t readlinkat(int folder, const char* name, char* buffer, std::size_t size) override;
    int ftruncate(int descriptor, off_t length) override;
    int futimens(int descriptor, const struct timespec times[2]) override;
    int fchmod(int descriptor, mode_t mode) override;
};

}  // namespace quorvex
