#include "JobFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "AtomicFile.h"
#include "Descriptor.h"
#include "JobFileReader.h"
#include "JobFileWriter.h"
#include "UsageError.h"

namespace quorvex {

namespace {

constexpr std::size_t kChunk = 1 << 16;

}  // namespace

bool JobFile::exists() const {
    struct stat status {};
    return lstat(path_.c_str(), &status) == 0;
}

void JobFile::requireWritableFolder() const {
    const std::size_t slash = path_.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : path_.substr(0, slash + 1);
    struct stat status {};
    if (stat(path_.c_str(), &status) == 0 && !S_ISREG(status.st_mode))
        throw UsageError("the job file " + path_ + " is not a regular file");
    if (access(folder.c_str(), W_OK | X_OK) != 0)
        throw UsageError("the job file cannot be written in " + folder);
}

template <typename Work>
auto JobFile::named(Work work) const {
    try {
        return work();
    } catch (const UsageError& error) {
        throw UsageError(path_ + ": " + error.what());
    }
}

// The file is read in chunks and parsed line by line, so memory follows the longest line, and
// never past MaxBytes, also when the file grows while it is read. O_NONBLOCK keeps a pipe put
// in the file's place from holding the command.
SavedJob JobFile::load() const {
    const Descriptor file(open(path_.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!file.valid()) refuse(std::string("cannot be opened: ") + std::strerror(errno));
    struct stat status {};
    if (fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode))
        refuse("is not a regular file");
    if (status.st_size > MaxBytes) refuse(tooLarge());
    JobFileReader reader;
    std::string line;
    std::string chunk(kChunk, '\0');
    std::int64_t total = 0;
    while (true) {
        const ssize_t count = read(file.get(), chunk.data(), chunk.size());
        if (count < 0 && errno == EINTR) continue;
        if (count < 0) refuse(std::string("cannot be read: ") + std::strerror(errno));
        if (count == 0) return named([&] { return reader.finish(); });
        if ((total += count) > MaxBytes) refuse(tooLarge());
        std::string_view data(chunk.data(), static_cast<std::size_t>(count));
        for (std::size_t end = data.find('\n'); end != std::string_view::npos;
             end = data.find('\n')) {
            line.append(data.substr(0, end));
            named([&] { reader.take(line); });
            line.clear();
            data.remove_prefix(end + 1);
        }
        line.append(data);
    }
}

void JobFile::save(const SavedJob& job) const {
    AtomicFile::replace(path_, JobFileWriter::format(job));
}

std::string JobFile::tooLarge() {
    return "is larger than any job file (" + std::to_string(MaxBytes) + " bytes)";
}

void JobFile::refuse(const std::string& why) const {
    throw UsageError("the job file " + path_ + " " + why);
}

}  // namespace quorvex
