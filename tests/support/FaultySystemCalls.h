#pragma once

#include <chrono>
#include <deque>
#include <map>
#include <string>

#include "PosixSystemCalls.h"

namespace quorvex::test {

// What a scripted call does instead of its normal work.
struct Fault {
    enum Kind { Error, ShortTransfer, Delay } kind;
    int errnoValue = 0;
    std::size_t bytes = 0;
    std::chrono::milliseconds delay{0};

    static Fault error(int errnoValue) { return {Error, errnoValue, 0, {}}; }
    static Fault shortTransfer(std::size_t bytes) { return {ShortTransfer, 0, bytes, {}}; }
    // The call blocks for a while, as on a failing medium, then does its normal work (any call
    // named but the reads, writes and copies).
    static Fault blocks(std::chrono::milliseconds time) { return {Delay, 0, 0, time}; }
};

// The real system calls, except that scripted faults are played back in order, one per call,
// for the calls named: "open", "fstat", "stat", "pread", "pwrite", "lseek", "unlink", "close",
// "mkdir", "copy_file_range", "sync_file_range", and the confined names' "openat", "openat2",
// "fstatat", "mkdirat", "unlinkat", "renameat2", "symlinkat", "ftruncate", "futimens" and
// "fchmod". A call can also be made to fail every time, as a call the kernel does not have.
class FaultySystemCalls final : public SystemCalls {
public:
    void script(const std::string& call, Fault fault) { faults_[call].push_back(fault); }
    void failAlways(const std::string& call, int errnoValue) { always_[call] = errnoValue; }
    int calls(const std::string& call) const;

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

private:
    // The next scripted fault of the call, if any; counts the call.
    bool nextFault(const std::string& call, Fault& fault);
    // The scripted error of the call, or the real call's result.
    template <typename Real>
    int failOr(const std::string& call, Real real);

    PosixSystemCalls real_;
    std::map<std::string, std::deque<Fault>> faults_;
    std::map<std::string, int> always_;
    std::map<std::string, int> counts_;
};

}  // namespace quorvex::test
