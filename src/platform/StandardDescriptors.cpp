#include "StandardDescriptors.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace quorvex {

// open() takes the lowest free number and the lower ones are open by then, so each missing
// descriptor is filled in turn. Should /dev/null itself be missing, there is nothing safe to put
// there and the program goes on.
void StandardDescriptors::ensureOpen() {
    for (int descriptor = STDIN_FILENO; descriptor <= STDERR_FILENO; ++descriptor) {
        if (fcntl(descriptor, F_GETFD) != -1 || errno != EBADF) continue;
        open("/dev/null", descriptor == STDIN_FILENO ? O_RDONLY : O_WRONLY);
    }
}

}  // namespace quorvex
