#include "ConfinedFolder.h"

#include <fcntl.h>
#include <linux/openat2.h>
#include <stdio.h>

#include <cerrno>
#include <vector>

#include "ErrorTable.h"
#include "RunTimeError.h"

namespace quorvex {

namespace {

constexpr int kFolderFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;
constexpr std::uint64_t kBeneath = RESOLVE_BENEATH | RESOLVE_NO_SYMLINKS | RESOLVE_NO_MAGICLINKS;

// The components of a relative path; "." and empty ones say nothing and are left out.
std::vector<std::string> componentsOf(const std::string& relative, const std::string& path) {
    std::vector<std::string> components;
    std::size_t start = 0;
    while (start <= relative.size()) {
        const std::size_t end = std::min(relative.find('/', start), relative.size());
        std::string component = relative.substr(start, end - start);
        if (component == "..") throw RunTimeError(ErrorNumber::BadFileNameOrNumber, path);
        if (!component.empty() && component != ".") components.push_back(std::move(component));
        start = end + 1;
    }
    return components;
}

}  // namespace

void ConfinedFolder::confine(const std::string& root) {
    root_.clear();
    rootFolder_ = OwnedDescriptor();
    rootError_ = 0;
    if (root.empty()) return;
    root_ = root.ends_with('/') ? root : root + "/";
    const int descriptor = calls_.open(root.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0);
    if (descriptor < 0) {
        rootError_ = errno;
        throw RunTimeError(ErrorTable::fromErrno(rootError_), root);
    }
    rootFolder_ = OwnedDescriptor(calls_, descriptor);
}

int ConfinedFolder::openFile(const std::string& path, int flags, mode_t mode) {
    if (const auto relative = below(path); relative && rootError_ == 0) {
        const int descriptor = openBeneath(*relative, flags | O_NOFOLLOW, mode);
        if (descriptor >= 0) return descriptor;
    }
    const Place place = placeOf(path);
    const int descriptor =
        calls_.openat(place.folder, place.name.c_str(), flags | O_NOFOLLOW, mode);
    if (descriptor < 0) raise(errno, place.folder, place.name, path);
    return descriptor;
}

int ConfinedFolder::openFolder(const std::string& path) {
    const Place place = placeOf(path);
    const int descriptor = calls_.openat(place.folder, place.name.c_str(), kFolderFlags, 0);
    if (descriptor < 0) raise(errno, place.folder, place.name, path);
    return descriptor;
}

void ConfinedFolder::makeFolder(const std::string& path, mode_t mode) {
    const Place place = placeOf(path);
    if (calls_.mkdirat(place.folder, place.name.c_str(), mode) < 0)
        raise(errno, place.folder, place.name, path);
}

// One openat2 answers for a name that is not there, which is what a copy asks about most; a
// name that is there is looked at through the descriptor. Everything else (a link on the way,
// "..") takes the way that tells the cases apart.
std::optional<struct stat> ConfinedFolder::status(const std::string& path) {
    if (const auto relative = below(path); relative && reachableInOneCall(*relative)) {
        const int descriptor = openBeneath(*relative, O_PATH | O_NOFOLLOW | O_CLOEXEC, 0);
        if (descriptor < 0 && (errno == ENOENT || errno == ENOTDIR)) return std::nullopt;
        if (descriptor >= 0) {
            const OwnedDescriptor opened(calls_, descriptor);
            struct stat status {};
            if (calls_.fstat(descriptor, &status) == 0) return status;
        }
    }
    try {
        const Place place = placeOf(path);
        struct stat status {};
        if (calls_.fstatat(place.folder, place.name.c_str(), &status, AT_SYMLINK_NOFOLLOW) == 0)
            return status;
        if (errno != ENOENT && errno != ENOTDIR) raise(errno, place.folder, place.name, path);
    } catch (const RunTimeError& error) {
        if (error.number() != ErrorNumber::FileNotFound) throw;
    }
    return std::nullopt;
}

bool ConfinedFolder::leadsTo(const std::string& path, const struct stat& file) {
    const auto relative = below(path);
    if (relative && !reachableInOneCall(*relative)) return false;
    struct stat status {};
    return calls_.fstatat(relative ? rootFolder_.get() : AT_FDCWD,
                          relative ? relative->c_str() : path.c_str(), &status,
                          AT_SYMLINK_NOFOLLOW) == 0 &&
           status.st_dev == file.st_dev && status.st_ino == file.st_ino;
}

// Where the file system cannot rename without replacing, the taken name is looked at first.
void ConfinedFolder::rename(const std::string& from, const std::string& to, bool replace) {
    const Place source = placeOf(from);
    const Place target = placeOf(to);
    const auto renameWith = [&](unsigned flags) {
        return calls_.renameat2(source.folder, source.name.c_str(), target.folder,
                                target.name.c_str(), flags);
    };
    if (renameWith(replace ? 0 : RENAME_NOREPLACE) == 0) return;
    if (replace || errno != EINVAL) raise(errno, target.folder, target.name, to);
    if (status(to)) raise(EEXIST, target.folder, target.name, to);
    if (renameWith(0) < 0) raise(errno, target.folder, target.name, to);
}

void ConfinedFolder::remove(const std::string& path) {
    const Place place = placeOf(path);
    if (calls_.unlinkat(place.folder, place.name.c_str(), 0) < 0)
        throw RunTimeError(ErrorTable::fromErrno(errno), path);
}

void ConfinedFolder::makeLink(const std::string& target, const std::string& path) {
    const Place place = placeOf(path);
    if (calls_.symlinkat(target.c_str(), place.folder, place.name.c_str()) < 0)
        throw RunTimeError(ErrorTable::fromErrno(errno), path);
}

bool ConfinedFolder::reachableInOneCall(const std::string& relative) const {
    return rootError_ == 0 && !relative.empty() && relative.find("..") == std::string::npos;
}

std::optional<std::string> ConfinedFolder::below(const std::string& path) const {
    if (root_.empty()) return std::nullopt;
    // The root itself, named without its closing slash.
    if (path.size() + 1 == root_.size() && root_.starts_with(path)) return std::string();
    if (!path.starts_with(root_)) return std::nullopt;
    return path.substr(root_.size());
}

ConfinedFolder::Place ConfinedFolder::placeOf(const std::string& path) {
    const auto relative = below(path);
    if (!relative) return {OwnedDescriptor(), AT_FDCWD, path};
    if (rootError_ != 0) throw RunTimeError(ErrorTable::fromErrno(rootError_), path);
    auto components = componentsOf(*relative, path);
    if (components.empty()) return {OwnedDescriptor(), rootFolder_.get(), "."};
    Place place{OwnedDescriptor(), rootFolder_.get(), std::move(components.back())};
    components.pop_back();
    if (components.empty()) return place;
    std::string folders = components.front();
    for (std::size_t index = 1; index < components.size(); ++index)
        folders += "/" + components[index];
    if (const int folder = openBeneath(folders, kFolderFlags, 0); folder >= 0) {
        place.opened = OwnedDescriptor(calls_, folder);
        place.folder = folder;
        return place;
    }
    for (const std::string& component : components) {
        const int next = calls_.openat(place.folder, component.c_str(), kFolderFlags, 0);
        if (next < 0) raise(errno, place.folder, component, path);
        place.opened = OwnedDescriptor(calls_, next);
        place.folder = next;
    }
    return place;
}

// A kernel without openat2 says ENOSYS, or EPERM where a filter stands in for it, or EINVAL
// where it lacks a resolve flag: then the components are opened one at a time from now on.
int ConfinedFolder::openBeneath(const std::string& relative, int flags, mode_t mode) {
    if (!beneathWorks_) {
        errno = ENOSYS;
        return -1;
    }
    const int descriptor =
        calls_.openat2(rootFolder_.get(), relative.c_str(), flags, mode, kBeneath);
    if (descriptor < 0 && (errno == ENOSYS || errno == EPERM || errno == EINVAL))
        beneathWorks_ = false;
    return descriptor;
}

// A link refused by O_NOFOLLOW shows as ELOOP, as ENOTDIR where a folder was asked for, and as
// EEXIST where the name was to be created; the name itself tells which it was.
void ConfinedFolder::raise(int errnoValue, int folder, const std::string& name,
                           const std::string& path) {
    if (errnoValue != ENOENT && isLink(folder, name))
        throw RunTimeError(ErrorNumber::LinkInPath, path);
    throw RunTimeError(ErrorTable::fromErrno(errnoValue), path);
}

bool ConfinedFolder::isLink(int folder, const std::string& name) {
    struct stat status {};
    return calls_.fstatat(folder, name.c_str(), &status, AT_SYMLINK_NOFOLLOW) == 0 &&
           S_ISLNK(status.st_mode);
}

}  // namespace quorvex
