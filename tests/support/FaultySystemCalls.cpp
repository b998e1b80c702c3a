#include "FaultySystemCalls.h"

#include <algorithm>
#include <cerrno>
#include <thread>

namespace quorvex::test {

int FaultySystemCalls::calls(const std::string& call) const {
    const auto found = counts_.find(call);
    return found == counts_.end() ? 0 : found->second;
}

template <typename Real>
int FaultySystemCalls::failOr(const std::string& call, Real real) {
    Fault fault{};
    if (!nextFault(call, fault)) return real();
    if (fault.kind == Fault::Delay) {
        std::this_thread::sleep_for(fault.delay);
        return real();
    }
    errno = fault.errnoValue;
    return -1;
}

bool FaultySystemCalls::nextFault(const std::string& call, Fault& fault) {
    ++counts_[call];
    if (const auto always = always_.find(call); always != always_.end()) {
        fault = Fault::error(always->second);
        return true;
    }
    auto& queue = faults_[call];
    if (queue.empty()) return false;
    fault = queue.front();
    queue.pop_front();
    return true;
}

int FaultySystemCalls::open(const char* path, int flags, mode_t mode) {
    return failOr("open", [&] { return real_.open(path, flags, mode); });
}

int FaultySystemCalls::close(int descriptor) {
    Fault fault{};
    const int result = real_.close(descriptor);
    if (nextFault("close", fault)) {
        errno = fault.errnoValue;
        return -1;
    }
    return result;
}

ssize_t FaultySystemCalls::pread(int descriptor, void* buffer, std::size_t count, off_t offset) {
    Fault fault{};
    if (!nextFault("pread", fault)) return real_.pread(descriptor, buffer, count, offset);
    if (fault.kind == Fault::ShortTransfer)
        return real_.pread(descriptor, buffer, std::min(count, fault.bytes), offset);
    errno = fault.errnoValue;
    return -1;
}

ssize_t FaultySystemCalls::pwrite(int descriptor, const void* buffer, std::size_t count,
                                  off_t offset) {
    Fault fault{};
    if (!nextFault("pwrite", fault)) return real_.pwrite(descriptor, buffer, count, offset);
    if (fault.kind == Fault::ShortTransfer)
        return real_.pwrite(descriptor, buffer, std::min(count, fault.bytes), offset);
    errno = fault.errnoValue;
    return -1;
}

off_t FaultySystemCalls::lseek(int descriptor, off_t offset, int whence) {
    Fault fault{};
    if (!nextFault("lseek", fault)) return real_.lseek(descriptor, offset, whence);
    errno = fault.errnoValue;
    return -1;
}

int FaultySystemCalls::fcntl(int descriptor, int command, int argument) {
    return real_.fcntl(descriptor, command, argument);
}

int FaultySystemCalls::fstat(int descriptor, struct stat* status) {
    return failOr("fstat", [&] { return real_.fstat(descriptor, status); });
}

int FaultySystemCalls::stat(const char* path, struct stat* status) {
    return failOr("stat", [&] { return real_.stat(path, status); });
}

int FaultySystemCalls::unlink(const char* path) {
    Fault fault{};
    if (nextFault("unlink", fault)) {
        errno = fault.errnoValue;
        return -1;
    }
    return real_.unlink(path);
}

int FaultySystemCalls::mkdir(const char* path, mode_t mode) {
    Fault fault{};
    if (nextFault("mkdir", fault)) {
        errno = fault.errnoValue;
        return -1;
    }
    return real_.mkdir(path, mode);
}

int FaultySystemCalls::sync_file_range(int descriptor, off_t offset, off_t length, unsigned flags) {
    return failOr("sync_file_range",
                  [&] { return real_.sync_file_range(descriptor, offset, length, flags); });
}

int FaultySystemCalls::posix_fadvise(int descriptor, off_t offset, off_t length, int advice) {
    ++counts_["posix_fadvise"];
    return real_.posix_fadvise(descriptor, offset, length, advice);
}

ssize_t FaultySystemCalls::copy_file_range(int from, off_t* fromOffset, int to, off_t* toOffset,
                                           std::size_t count) {
    Fault fault{};
    if (!nextFault("copy_file_range", fault))
        return real_.copy_file_range(from, fromOffset, to, toOffset, count);
    if (fault.kind == Fault::ShortTransfer)
        return real_.copy_file_range(from, fromOffset, to, toOffset, std::min(count, fault.bytes));
    errno = fault.errnoValue;
    return -1;
}

char* FaultySystemCalls::getcwd(char* buffer, std::size_t size) {
    return real_.getcwd(buffer, size);
}

int FaultySystemCalls::openat(int folder, const char* name, int flags, mode_t mode) {
    return failOr("openat", [&] { return real_.openat(folder, name, flags, mode); });
}

int FaultySystemCalls::openat2(int folder, const char* path, int flags, mode_t mode,
                               std::uint64_t resolve) {
    return failOr("openat2", [&] { return real_.openat2(folder, path, flags, mode, resolve); });
}

int FaultySystemCalls::fstatat(int folder, const char* name, struct stat* status, int flags) {
    return failOr("fstatat", [&] { return real_.fstatat(folder, name, status, flags); });
}

int FaultySystemCalls::mkdirat(int folder, const char* name, mode_t mode) {
    return failOr("mkdirat", [&] { return real_.mkdirat(folder, name, mode); });
}

int FaultySystemCalls::unlinkat(int folder, const char* name, int flags) {
    return failOr("unlinkat", [&] { return real_.unlinkat(folder, name, flags); });
}

int FaultySystemCalls::renameat2(int fromFolder, const char* from, int toFolder, const char* to,
                                 unsigned flags) {
    return failOr("renameat2",
                  [&] { return real_.renameat2(fromFolder, from, toFolder, to, flags); });
}

int FaultySystemCalls::symlinkat(const char* target, int folder, const char* name) {
    return failOr("symlinkat", [&] { return real_.symlinkat(target, folder, name); });
}

ssize_t FaultySystemCalls::readlinkat(int folder, const char* name, char* buffer,
                                      std::size_t size) {
    return real_.readlinkat(folder, name, buffer, size);
}

int FaultySystemCalls::ftruncate(int descriptor, off_t length) {
    return failOr("ftruncate", [&] { return real_.ftruncate(descriptor, length); });
}

int FaultySystemCalls::futimens(int descriptor, const struct timespec times[2]) {
    return failOr("futimens", [&] { return real_.futimens(descriptor, times); });
}

int FaultySystemCalls::fchmod(int descriptor, mode_t mode) {
    return failOr("fchmod", [&] { return real_.fchmod(descriptor, mode); });
}

}  // namespace quorvex::test
