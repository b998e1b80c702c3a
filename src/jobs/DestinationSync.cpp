#include "DestinationSync.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace quorvex {

DestinationSync::DestinationSync(const std::string& root)
    : root_(root), folder_(open(root.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
    if (!folder_.valid()) openError_ = errno;
}

std::string DestinationSync::sync() const {
    const int error = !folder_.valid() ? openError_ : syncfs(folder_.get()) != 0 ? errno : 0;
    if (error == 0) return {};
    return "the destination " + root_ +
           " could not be flushed to its disk: " + std::strerror(error);
}

}  // namespace quorvex
