#include "PosixSystemCalls.h"

#include <fcntl.h>
#include <linux/openat2.h>
#include <stdio.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace quorvex {

int PosixSystemCalls::open(const char* path, int flags, mode_t mode) {
    return ::open(path, flags, mode);
}

int PosixSystemCalls::close(int descriptor) { return ::close(descriptor); }

ssize_t PosixSystemCalls::pread(int descriptor, void* buffer, std::size_t count, off_t offset) {
    return ::pread(descriptor, buffer, count, offset);
}

ssize_t PosixSystemCalls::pwrite(int descriptor, const void* buffer, std::size_t count,
                                 off_t offset) {
    return ::pwrite(descriptor, buffer, count, offset);
}

off_t PosixSystemCalls::lseek(int descriptor, off_t offset, int whence) {
    return ::lseek(descriptor, offset, whence);
}

int PosixSystemCalls::fcntl(int descriptor, int command, int argument) {
    return ::fcntl(descriptor, command, argument);
}

int PosixSystemCalls::fstat(int descriptor, struct stat* status) {
    return ::fstat(descriptor, status);
}

int PosixSystemCalls::stat(const char* path, struct stat* status) { return ::stat(path, status); }

int PosixSystemCalls::unlink(const char* path) { return ::unlink(path); }

int PosixSystemCalls::mkdir(const char* path, mode_t mode) { return ::mkdir(path, mode); }

ssize_t PosixSystemCalls::copy_file_range(int from, off_t* fromOffset, int to, off_t* toOffset,
                                          std::size_t count) {
    return ::copy_file_range(from, fromOffset, to, toOffset, count, 0);
}

// Returns the error number itself, as the C library does, and sets nothing in errno.
int PosixSystemCalls::sync_file_range(int descriptor, off_t offset, off_t length, unsigned flags) {
    return ::sync_file_range(descriptor, offset, length, flags);
}

int PosixSystemCalls::posix_fadvise(int descriptor, off_t offset, off_t length, int advice) {
    return ::posix_fadvise(descriptor, offset, length, advice);
}

char* PosixSystemCalls::getcwd(char* buffer, std::size_t size) { return ::getcwd(buffer, size); }

int PosixSystemCalls::openat(int folder, const char* name, int flags, mode_t mode) {
    return ::openat(folder, name, flags, mode);
}

// The C library has no wrapper of its own for it.
int PosixSystemCalls::openat2(int folder, const char* path, int flags, mode_t mode,
                              std::uint64_t resolve) {
    open_how how{};
    how.flags = static_cast<std::uint64_t>(flags);
    how.mode = mode;
    how.resolve = resolve;
    return static_cast<int>(::syscall(SYS_openat2, folder, path, &how, sizeof how));
}

int PosixSystemCalls::fstatat(int folder, const char* name, struct stat* status, int flags) {
    return ::fstatat(folder, name, status, flags);
}

int PosixSystemCalls::mkdirat(int folder, const char* name, mode_t mode) {
    return ::mkdirat(folder, name, mode);
}

int PosixSystemCalls::unlinkat(int folder, const char* name, int flags) {
    return ::unlinkat(folder, name, flags);
}

int PosixSystemCalls::renameat2(int fromFolder, const char* from, int toFolder, const char* to,
                                unsigned flags) {
    return ::renameat2(fromFolder, from, toFolder, to, flags);
}

int PosixSystemCalls::symlinkat(const char* target, int folder, const char* name) {
    return ::symlinkat(target, folder, name);
}

ssize_t PosixSystemCalls::readlinkat(int folder, const char* name, char* buffer,
                                     std::size_t size) {
    return ::readlinkat(folder, name, buffer, size);
}

int PosixSystemCalls::ftruncate(int descriptor, off_t length) {
    return ::ftruncate(descriptor, length);
}

int PosixSystemCalls::futimens(int descriptor, const struct timespec times[2]) {
    return ::futimens(descriptor, times);
}

int PosixSystemCalls::fchmod(int descriptor, mode_t mode) { return ::fchmod(descriptor, mode); }

}  // namespace quorvex
