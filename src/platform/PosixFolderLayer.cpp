#include "PosixFolderLayer.h"

#include <cerrno>

#include "ErrorTable.h"
#include "RunTimeError.h"

namespace quorvex {

namespace {

constexpr mode_t kOwnerAccess = S_IRWXU;
constexpr mode_t kPermissionBits = 0777;

}  // namespace

PosixFolderLayer::PosixFolderLayer(SystemCalls& calls) : calls_(calls) {}

// Outside the root a link to a folder is as good as the folder: the user may have chosen it.
bool PosixFolderLayer::folderExists(const std::string& path) {
    if (!confined_.confines(path)) {
        struct stat status {};
        return calls_.stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
    }
    const auto status = confined_.status(path);
    return status && S_ISDIR(status->st_mode);
}

void PosixFolderLayer::createFolder(const std::string& path) { confined_.makeFolder(path, 0777); }

void PosixFolderLayer::confineTo(const std::string& root) { confined_.confine(root); }

void PosixFolderLayer::allowWriting(const std::string& path) {
    const OwnedDescriptor folder(calls_, confined_.openFolder(path));
    struct stat status {};
    if (calls_.fstat(folder.get(), &status) < 0) raiseLastError(path);
    if ((status.st_mode & kOwnerAccess) == kOwnerAccess) return;
    if (calls_.fchmod(folder.get(), (status.st_mode & kPermissionBits) | kOwnerAccess) < 0)
        raiseLastError(path);
}

void PosixFolderLayer::copyAttributes(const std::string& from, const std::string& to) {
    struct stat status {};
    if (calls_.stat(from.c_str(), &status) < 0) raiseLastError(from);
    const OwnedDescriptor folder(calls_, confined_.openFolder(to));
    const timespec times[2] = {{0, UTIME_OMIT}, status.st_mtim};
    if (calls_.futimens(folder.get(), times) < 0 ||
        calls_.fchmod(folder.get(), status.st_mode & kPermissionBits) < 0)
        raiseLastError(to);
}

void PosixFolderLayer::raiseLastError(const std::string& path) const {
    throw RunTimeError(ErrorTable::fromErrno(errno), path);
}

}  // namespace quorvex
