#include "AtomicFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>

namespace quorvex {

void AtomicFile::replace(const std::string& path, const std::string& bytes) {
    std::string temporary = path + ".XXXXXX";
    const int descriptor = mkostemp(temporary.data(), O_CLOEXEC);
    if (descriptor < 0) fail("cannot create a temporary file beside", path);
    try {
        writeAll(descriptor, bytes, temporary);
        if (fsync(descriptor) != 0) fail("cannot flush", temporary);
    } catch (...) {
        close(descriptor);
        unlink(temporary.c_str());
        throw;
    }
    if (close(descriptor) != 0) failRemoving("cannot close", temporary, temporary);
    if (rename(temporary.c_str(), path.c_str()) != 0)
        failRemoving("cannot rename the temporary file to", path, temporary);
    syncFolderOf(path);
}

std::string AtomicFile::read(const std::string& path) {
    std::ifstream input(path, std::ios::binary);
    if (!input) fail("cannot open", path);
    std::string bytes((std::istreambuf_iterator<char>(input)), std::istreambuf_iterator<char>());
    if (input.bad()) fail("cannot read", path);
    return bytes;
}

void AtomicFile::writeAll(int descriptor, const std::string& bytes, const std::string& path) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t count = write(descriptor, bytes.data() + done, bytes.size() - done);
        if (count < 0 && errno == EINTR) continue;
        if (count <= 0) fail("cannot write", path);
        done += static_cast<std::size_t>(count);
    }
}

// The rename lives in the folder; without flushing the folder a crash could undo it.
void AtomicFile::syncFolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
    const int descriptor = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0) return;
    fsync(descriptor);
    close(descriptor);
}

void AtomicFile::failRemoving(const std::string& what, const std::string& path,
                              const std::string& temporary) {
    const int reason = errno;
    unlink(temporary.c_str());
    errno = reason;
    fail(what, path);
}

void AtomicFile::fail(const std::string& what, const std::string& path) {
    throw Error(what + " " + path + ": " + std::strerror(errno));
}

}  // namespace quorvex
