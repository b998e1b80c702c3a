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
void take(FolderListing& listing, int folder, const char* name) {
    struct stat status {};
    if (fstatat(folder, name, &status, AT_SYMLINK_NOFOLLOW) != 0) return;
    if (S_ISDIR(status.st_mode)) {
        listing.folders.emplace_back(name);
        return;
    }
    // A link counts as the file it points to, but never as a folder: following linked folders
    // could walk in circles or out of the selection.
    if (S_ISLNK(status.st_mode) && fstatat(folder, name, &status, 0) != 0) return;
    if (S_ISREG(status.st_mode)) listing.files.push_back({name, status.st_size});
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

}  // namespace quorvex
