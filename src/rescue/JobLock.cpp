#include "JobLock.h"

#include <fcntl.h>
#include <sys/file.h>

#include <cerrno>
#include <cstring>

#include "UsageError.h"

namespace quorvex {

JobLock::JobLock(const std::string& jobFile) {
    const std::string path = jobFile + ".lock";
    file_ = Descriptor(open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (!file_.valid())
        throw UsageError("the lock file " + path + " cannot be made: " + std::strerror(errno));
    while (flock(file_.get(), LOCK_EX | LOCK_NB) != 0) {
        if (errno == EINTR) continue;
        if (errno == EWOULDBLOCK)
            throw UsageError("the job file " + jobFile +
                             " is in use by another quorvex-rescue run; wait for it to end");
        throw UsageError("the job file " + jobFile + " cannot be locked: " + std::strerror(errno));
    }
}

}  // namespace quorvex
