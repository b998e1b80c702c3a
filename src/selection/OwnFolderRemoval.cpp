#include "OwnFolderRemoval.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <vector>

#include "FileDescriptor.h"

namespace quorvex {

namespace {

constexpr int FolderFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;

std::vector<std::string> namesIn(int folder) {
    std::vector<std::string> names;
    DIR* listing = fdopendir(::dup(folder));
    if (listing == nullptr) return names;
    while (const dirent* entry = readdir(listing)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..") names.push_back(name);
    }
    closedir(listing);
    return names;
}

}  // namespace

OwnFolderRemoval::Outcome OwnFolderRemoval::remove(const std::string& parentFolder,
                                                   const std::string& name) {
    const FileDescriptor parent(::open(parentFolder.c_str(), FolderFlags & ~O_NOFOLLOW));
    if (!parent.isOpen()) return Outcome::Failed;
    struct stat status {};
    if (fstatat(parent.get(), name.c_str(), &status, AT_SYMLINK_NOFOLLOW) != 0)
        return errno == ENOENT ? Outcome::Missing : Outcome::Failed;
    // Opened without following, then checked on the open folder itself, so a link put in
    // its place meanwhile is never entered.
    const FileDescriptor folder(openat(parent.get(), name.c_str(), FolderFlags));
    if (!folder.isOpen() || fstat(folder.get(), &status) != 0 || status.st_uid != geteuid())
        return Outcome::Refused;
    if (!removeContents(folder.get())) return Outcome::Failed;
    return unlinkat(parent.get(), name.c_str(), AT_REMOVEDIR) == 0 ? Outcome::Removed
                                                                   : Outcome::Failed;
}

bool OwnFolderRemoval::removeContents(int folder) {
    // A read-only folder of ours lets nothing be deleted from it until it is writable again.
    fchmod(folder, S_IRWXU);
    bool whole = true;
    for (const std::string& name : namesIn(folder))
        whole = removeEntry(folder, name.c_str()) && whole;
    return whole;
}

bool OwnFolderRemoval::removeEntry(int folder, const char* name) {
    struct stat status {};
    if (fstatat(folder, name, &status, AT_SYMLINK_NOFOLLOW) != 0) return false;
    if (!S_ISDIR(status.st_mode)) return unlinkat(folder, name, 0) == 0;
    const FileDescriptor child(openat(folder, name, FolderFlags));
    if (!child.isOpen() || !removeContents(child.get())) return false;
    return unlinkat(folder, name, AT_REMOVEDIR) == 0;
}

}  // namespace quorvex
