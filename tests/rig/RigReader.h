#pragma once

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <string>
#include <system_error>

namespace quorvex::test {

// A file on a rig opened for reading, read with pread as the rescue engine reads.
class RigReader {
public:
    struct Result {
        std::string bytes;
        int error = 0;  // errno of a failed read, 0 when it succeeded
    };

    explicit RigReader(const std::string& path, int advice = POSIX_FADV_NORMAL)
        : descriptor_(::open(path.c_str(), O_RDONLY | O_CLOEXEC)) {
        if (descriptor_ < 0) throw std::system_error(errno, std::generic_category(), path);
        posix_fadvise(descriptor_, 0, 0, advice);
    }
    ~RigReader() { ::close(descriptor_); }
    RigReader(const RigReader&) = delete;
    RigReader& operator=(const RigReader&) = delete;

    // errno of opening the file, 0 when it opens.
    static int openError(const std::string& path) {
        const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (descriptor < 0) return errno;
        ::close(descriptor);
        return 0;
    }

    Result read(std::uint64_t offset, std::size_t count) const {
        Result result{std::string(count, '\0')};
        const ssize_t done = pread(descriptor_, result.bytes.data(), count, static_cast<off_t>(offset));
        result.error = done < 0 ? errno : 0;
        result.bytes.resize(done < 0 ? 0 : static_cast<std::size_t>(done));
        return result;
    }

    int descriptor() const { return descriptor_; }

private:
    int descriptor_;
};

}  // namespace quorvex::test
