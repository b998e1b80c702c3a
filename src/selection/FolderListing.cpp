#include "FolderListing.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <memory>

namespace quorvex {

namespace {

struct DirCloser {
    void operator()(DIR* folder) const { closedir(folder); }
};

bool isDotOrDotDot(const char* name) {
    return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

// Looked up relative to the open folder, so that the system does not walk the whole path again.
// A link is taken as itself: following links could walk in circles, out of the selection, or
// copy the same data twice. An entry that is gone since the folder was read is not missed; one
// that cannot be looked at (a folder readable but not searchable) leaves the listing incomplete.
void take(FolderListing& listing, int folder, const char* name) {
    struct stat status {};
    if (fstatat(folder, name, &status, AT_SYMLINK_NOFOLLOW) != 0) {
        if (errno != ENOENT) listing.complete = false;
        return;
    }
    if (S_ISDIR(status.st_mode))
        listing.folders.emplace_back(name);
    else if (S_ISREG(status.st_mode))
        listing.files.push_back({name, status.st_size, false});
    else if (S_ISLNK(status.st_mode))
        listing.files.push_back({name, 0, true});
    else
        listing.leftOut.push_back({name, FolderListing::reasonLeftOut(status.st_mode)});
}

// The trailing "/" would make the system follow a link, so the last name is opened without it.
DIR* openFolder(const std::string& path, bool followLink) {
    const std::string name = path.size() > 1 ? path.substr(0, path.size() - 1) : path;
    const int flags = O_RDONLY | O_DIRECTORY | O_CLOEXEC | (followLink ? 0 : O_NOFOLLOW);
    const int descriptor = open(name.c_str(), flags);
    if (descriptor < 0) return nullptr;
    DIR* folder = fdopendir(descriptor);
    if (folder == nullptr) close(descriptor);
    return folder;
}

}  // namespace

FolderListing FolderListing::read(const std::string& path, bool includeHidden, bool followLink) {
    FolderListing listing;
    const std::unique_ptr<DIR, DirCloser> folder(openFolder(path, followLink));
    if (!folder) {
        listing.complete = false;
        return listing;
    }
    while (true) {
        errno = 0;
        const dirent* entry = readdir(folder.get());
        if (entry == nullptr) break;
        if (isDotOrDotDot(entry->d_name)) continue;
        if (entry->d_name[0] == '.' && !includeHidden) continue;
        take(listing, dirfd(folder.get()), entry->d_name);
    }
    if (errno != 0) listing.complete = false;
    return listing;
}

std::string FolderListing::reasonLeftOut(mode_t mode) {
    if (S_ISREG(mode) || S_ISDIR(mode) || S_ISLNK(mode)) return {};
    if (S_ISFIFO(mode)) return "a named pipe";
    if (S_ISSOCK(mode)) return "a socket";
    if (S_ISBLK(mode) || S_ISCHR(mode)) return "a device file";
    return "neither a file, a folder nor a link";
}

}  // namespace quorvex
