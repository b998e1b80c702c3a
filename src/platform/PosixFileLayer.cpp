#include "PosixFileLayer.h"

#include <fcntl.h>

#include <cerrno>
#include <ctime>
#include <utility>
#include <vector>

#include "ErrorTable.h"
#include "HoleFinder.h"
#include "RunTimeError.h"

namespace quorvex {

namespace {

constexpr int kHighestFileNumber = 511;

// The copy's first block: a file no larger is read whole by its first read, and reading ahead
// cannot reach past its end.
constexpr off_t kReadWholeAtOnce = 64 * 1024;

// How much a file is written before its changed pages are sent on to its disk.
constexpr std::int64_t kWriteBehindBytes = 8 * 1024 * 1024;

int writeFlags(FileOpenMode mode) { return mode == FileOpenMode::CreateNew ? O_EXCL : 0; }

off_t offsetOf(std::int64_t position) {
    if (position < 1) throw RunTimeError(ErrorNumber::BadRecordNumber, std::to_string(position));
    return static_cast<off_t>(position - 1);
}

}  // namespace

PosixFileLayer::PosixFileLayer(SystemCalls& calls) : calls_(calls) {}

PosixFileLayer::~PosixFileLayer() {
    for (const auto& [number, file] : files_) calls_.close(file.descriptor);
}

void PosixFileLayer::open(int number, const std::string& path, FileOpenMode mode) {
    if (number < 1 || number > kHighestFileNumber)
        throw RunTimeError(ErrorNumber::BadFileNameOrNumber, std::to_string(number));
    if (files_.contains(number)) throw RunTimeError(ErrorNumber::FileAlreadyOpen, path);
    files_.emplace(number, openDescriptor(path, mode));
}

// Opens without blocking, so that a named pipe cannot hang the program, and accepts only
// regular files and block devices. A file opened for writing is reached without following a
// link (see ConfinedFolder): a link left dangling there would otherwise create its target
// outside the destination.
// A source whose blocks cover its whole length has no holes, which spares the copy two seeks
// per file; a file that only looks so reads its hole as zeros, which is still its content.
PosixFileLayer::OpenFile PosixFileLayer::openDescriptor(const std::string& path,
                                                        FileOpenMode mode) {
    const int flags = O_CLOEXEC | O_NONBLOCK;
    const bool reading = mode == FileOpenMode::Read || mode == FileOpenMode::ReadThroughLink;
    const int notThroughLink = mode == FileOpenMode::Read ? O_NOFOLLOW : 0;
    const int descriptor =
        reading ? calls_.open(path.c_str(), O_RDONLY | notThroughLink | flags, 0)
                : confined_.openFile(path, O_RDWR | O_CREAT | writeFlags(mode) | flags, 0666);
    if (descriptor < 0) raiseLastError(path);
    // A file this call created is a regular file; only one that stood there must be looked at.
    OpenFile file;
    file.descriptor = descriptor;
    file.mode = mode;
    file.path = path;
    if (mode == FileOpenMode::CreateNew) {
        file.writtenLength = 0;
        return file;
    }
    try {
        const struct stat status = requireFileOrDevice(descriptor, path);
        const bool regular = S_ISREG(status.st_mode);
        file.fullyAllocated = regular && status.st_blocks * 512 >= status.st_size;
        file.lookedAt = status;
        file.opened = status;
        file.readsAhead = regular && status.st_size <= kReadWholeAtOnce;
        if (reading && !file.readsAhead) keepReadsToTheirRequest(descriptor);
        if (!regular) makeBlocking(descriptor, path);
    } catch (...) {
        calls_.close(descriptor);
        throw;
    }
    return file;
}

// Regular files ignore the non-blocking flag; a device needs it cleared before it is read.
void PosixFileLayer::makeBlocking(int descriptor, const std::string& path) {
    const int flags = calls_.fcntl(descriptor, F_GETFL, 0);
    if (flags < 0 || calls_.fcntl(descriptor, F_SETFL, flags & ~O_NONBLOCK) < 0)
        raiseLastError(path);
}

// Without read-ahead the kernel reads only what was asked for, so one bad sector fails only
// the block that holds it and not a wider read-ahead window around it.
void PosixFileLayer::keepReadsToTheirRequest(int descriptor) {
    calls_.posix_fadvise(descriptor, 0, 0, POSIX_FADV_RANDOM);
}

// A small file is read again only where its first read failed, and from then on only what is
// asked for is read.
void PosixFileLayer::beforeRead(OpenFile& file) {
    if (file.readsAhead && file.readBefore) {
        keepReadsToTheirRequest(file.descriptor);
        file.readsAhead = false;
    }
    file.readBefore = true;
    file.lookedAt.reset();
}

// A file written by the megabyte has its changed pages sent on to its disk as it goes, so the
// flush that comes before a copy counts as done waits for the last of them only, not for all.
// This only starts the writing: a failure shows at that flush.
void PosixFileLayer::writeBehind(OpenFile& file, std::size_t written) {
    file.unsentBytes += static_cast<std::int64_t>(written);
    if (file.unsentBytes < kWriteBehindBytes) return;
    file.unsentBytes = 0;
    calls_.sync_file_range(file.descriptor, 0, 0, SYNC_FILE_RANGE_WRITE);
}

const struct stat& PosixFileLayer::statusOf(OpenFile& file) {
    if (!file.lookedAt) {
        struct stat status {};
        if (calls_.fstat(file.descriptor, &status) < 0) raiseLastError(file.path);
        file.lookedAt = status;
    }
    return *file.lookedAt;
}

std::optional<std::int64_t> PosixFileLayer::startChange(OpenFile& file) {
    file.lookedAt.reset();
    return std::exchange(file.writtenLength, std::nullopt);
}

struct stat PosixFileLayer::requireFileOrDevice(int descriptor, const std::string& path) {
    struct stat status {};
    if (calls_.fstat(descriptor, &status) < 0) raiseLastError(path);
    if (!S_ISREG(status.st_mode) && !S_ISBLK(status.st_mode))
        throw RunTimeError(ErrorNumber::PathFileAccessError, path);
    return status;
}

std::size_t PosixFileLayer::read(int number, std::int64_t position, std::span<char> buffer) {
    OpenFile& file = openFile(number);
    const off_t start = offsetOf(position);
    beforeRead(file);
    std::size_t done = 0;
    while (done < buffer.size()) {
        const ssize_t count = calls_.pread(file.descriptor, buffer.data() + done,
                                           buffer.size() - done, start + static_cast<off_t>(done));
        if (count > 0) {
            done += static_cast<std::size_t>(count);
        } else if (count == 0) {
            break;
        } else if (errno != EINTR) {
            raiseLastError(file.path);
        }
    }
    return done;
}

void PosixFileLayer::write(int number, std::int64_t position, std::span<const char> bytes) {
    OpenFile& file = openFile(number);
    const off_t start = offsetOf(position);
    const std::optional<std::int64_t> lengthBefore = startChange(file);
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t count = calls_.pwrite(file.descriptor, bytes.data() + done,
                                            bytes.size() - done, start + static_cast<off_t>(done));
        if (count > 0) {
            done += static_cast<std::size_t>(count);
        } else if (count == 0) {
            throw RunTimeError(ErrorNumber::PathFileAccessError, file.path);
        } else if (errno != EINTR) {
            raiseLastError(file.path);
        }
    }
    if (lengthBefore)
        file.writtenLength = std::max(*lengthBefore, static_cast<std::int64_t>(start) +
                                                         static_cast<std::int64_t>(done));
    writeBehind(file, done);
}

std::optional<std::size_t> PosixFileLayer::copyRange(int from, int to, std::int64_t position,
                                                     std::size_t length) {
    auto source = files_.find(from);
    const auto destination = files_.find(to);
    if (source == files_.end() || destination == files_.end() || source->second.copyRefused)
        return std::nullopt;
    OpenFile& input = source->second;
    OpenFile& output = destination->second;
    off_t fromOffset = offsetOf(position), toOffset = fromOffset;
    // A refused copy read nothing: the reads that follow in its place are the first.
    const bool readBefore = input.readBefore;
    beforeRead(input);
    const std::optional<std::int64_t> lengthBefore = startChange(output);
    std::size_t done = 0;
    while (done < length) {
        const ssize_t count = calls_.copy_file_range(input.descriptor, &fromOffset,
                                                     output.descriptor, &toOffset, length - done);
        if (count > 0) {
            done += static_cast<std::size_t>(count);
        } else if (count == 0) {
            break;
        } else if (errno == EXDEV || errno == EOPNOTSUPP || errno == ENOSYS || errno == EINVAL) {
            input.copyRefused = true;
            input.readBefore = readBefore || done > 0;
            return std::nullopt;
        } else if (errno != EINTR) {
            return std::nullopt;
        }
    }
    if (lengthBefore) output.writtenLength = std::max<std::int64_t>(*lengthBefore, toOffset);
    writeBehind(output, done);
    return done;
}

std::optional<DataExtent> PosixFileLayer::nextData(int number, std::int64_t position) {
    const OpenFile& file = openFile(number);
    if (file.fullyAllocated) return std::nullopt;
    return HoleFinder(calls_).nextData(file.descriptor, offsetOf(position));
}

std::int64_t PosixFileLayer::length(int number) {
    OpenFile& file = openFile(number);
    const struct stat& status = statusOf(file);
    if (S_ISREG(status.st_mode)) return status.st_size;
    const off_t end = calls_.lseek(file.descriptor, 0, SEEK_END);
    if (end < 0) raiseLastError(file.path);
    return end;
}

FileOpenMode PosixFileLayer::openMode(int number) { return openFile(number).mode; }

void PosixFileLayer::close(int number) {
    const auto found = files_.find(number);
    if (found == files_.end()) return;
    const int descriptor = found->second.descriptor;
    const std::string path = std::move(found->second.path);
    files_.erase(found);
    if (calls_.close(descriptor) < 0 && errno != EINTR) raiseLastError(path);
}

// Closes every file even when one of them fails, then reports the first failure. A file is
// forgotten before its descriptor is closed, so each turn leaves one file fewer.
void PosixFileLayer::closeAll() {
    std::exception_ptr firstFailure;
    while (!files_.empty()) {
        try {
            close(files_.begin()->first);
        } catch (const RunTimeError&) {
            if (!firstFailure) firstFailure = std::current_exception();
        }
    }
    if (firstFailure) std::rethrow_exception(firstFailure);
}

std::string PosixFileLayer::fileDateTime(const std::string& path) {
    struct stat status {};
    if (calls_.stat(path.c_str(), &status) < 0) raiseLastError(path);
    std::tm local{};
    localtime_r(&status.st_mtime, &local);
    char text[128];
    const std::size_t length = std::strftime(text, sizeof text, "%x %X", &local);
    return std::string(text, length);
}

bool PosixFileLayer::exists(const std::string& path) {
    struct stat status {};
    return calls_.stat(path.c_str(), &status) == 0;
}

bool PosixFileLayer::isSameFile(const std::string& first, const std::string& second) {
    struct stat one {}, other {};
    if (calls_.stat(first.c_str(), &one) < 0 || calls_.stat(second.c_str(), &other) < 0)
        return false;
    return one.st_dev == other.st_dev && one.st_ino == other.st_ino;
}

void PosixFileLayer::remove(const std::string& path) { confined_.remove(path); }

std::string PosixFileLayer::currentDirectory() {
    std::vector<char> buffer(256);
    while (calls_.getcwd(buffer.data(), buffer.size()) == nullptr) {
        if (errno != ERANGE) raiseLastError("current directory");
        buffer.resize(buffer.size() * 2);
    }
    return std::string(buffer.data());
}

void PosixFileLayer::confineTo(const std::string& root) { confined_.confine(root); }

NameEntry PosixFileLayer::entry(const std::string& path) {
    const auto status = confined_.status(path);
    if (!status) return {};
    if (S_ISREG(status->st_mode)) return {NameEntry::Kind::File, status->st_size};
    if (S_ISLNK(status->st_mode)) return {NameEntry::Kind::Link, 0};
    if (S_ISDIR(status->st_mode)) return {NameEntry::Kind::Folder, 0};
    return {NameEntry::Kind::Other, 0};
}

// The name usually still holds the file: one look tells so. Otherwise the look without links
// tells what is there instead, and raises for a link on the way.
bool PosixFileLayer::names(const std::string& path, int number) {
    const struct stat opened = statusOf(openFile(number));
    if (confined_.leadsTo(path, opened)) return true;
    const auto named = confined_.status(path);
    return named && named->st_dev == opened.st_dev && named->st_ino == opened.st_ino;
}

// A file this layer created and wrote to the length already has it.
void PosixFileLayer::setLength(int number, std::int64_t length) {
    OpenFile& file = openFile(number);
    if (file.writtenLength == length) return;
    const bool tracked = startChange(file).has_value();
    if (calls_.ftruncate(file.descriptor, static_cast<off_t>(length)) < 0)
        raiseLastError(file.path);
    if (tracked) file.writtenLength = length;
}

// A copy whose permissions came out right from its creation (the usual umask) is spared the
// change; the look at it that tells so also answers the in-place check that follows.
void PosixFileLayer::copyAttributes(int from, int to) {
    OpenFile& source = openFile(from);
    const struct stat status = source.opened ? *source.opened : statusOf(source);
    OpenFile& target = openFile(to);
    target.lookedAt.reset();
    if (!S_ISREG(status.st_mode)) return;
    const timespec times[2] = {{0, UTIME_OMIT}, status.st_mtim};
    if (calls_.futimens(target.descriptor, times) < 0) raiseLastError(target.path);
    const mode_t permissions = status.st_mode & 0777;
    if ((statusOf(target).st_mode & 07777) == permissions) return;
    target.lookedAt.reset();
    if (calls_.fchmod(target.descriptor, permissions) < 0) raiseLastError(target.path);
}

void PosixFileLayer::rename(const std::string& from, const std::string& to, bool replace) {
    confined_.rename(from, to, replace);
}

void PosixFileLayer::makeLink(const std::string& target, const std::string& path) {
    confined_.makeLink(target, path);
}

std::string PosixFileLayer::readLink(const std::string& path) {
    std::vector<char> buffer(256);
    while (true) {
        const ssize_t count =
            calls_.readlinkat(AT_FDCWD, path.c_str(), buffer.data(), buffer.size());
        if (count < 0) raiseLastError(path);
        if (static_cast<std::size_t>(count) < buffer.size())
            return std::string(buffer.data(), static_cast<std::size_t>(count));
        buffer.resize(buffer.size() * 2);
    }
}

PosixFileLayer::OpenFile& PosixFileLayer::openFile(int number) {
    return const_cast<OpenFile&>(std::as_const(*this).openFile(number));
}

const PosixFileLayer::OpenFile& PosixFileLayer::openFile(int number) const {
    const auto found = files_.find(number);
    if (found == files_.end())
        throw RunTimeError(ErrorNumber::BadFileNameOrNumber, std::to_string(number));
    return found->second;
}

void PosixFileLayer::raiseLastError(const std::string& detail) const {
    throw RunTimeError(ErrorTable::fromErrno(errno), detail);
}

}  // namespace quorvex
