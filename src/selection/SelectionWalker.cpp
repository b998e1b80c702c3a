#include "SelectionWalker.h"

#include <sys/stat.h>

#include <limits>
#include <utility>

#include "FolderListing.h"
#include "JoinedText.h"

namespace quorvex {

namespace {

std::string withSlash(std::string path) {
    if (path.empty() || path.back() != '/') path += '/';
    return path;
}

std::string withoutSlashes(std::string path) {
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    return path;
}

// A file system may report any size (a FUSE volume's sizes above 2^63 come back negative); the
// total stays within its range instead of overflowing.
std::int64_t plusSize(std::int64_t total, std::int64_t bytes) {
    if (bytes <= 0) return total;
    const std::int64_t room = std::numeric_limits<std::int64_t>::max() - total;
    return bytes > room ? std::numeric_limits<std::int64_t>::max() : total + bytes;
}

}  // namespace

SelectionWalker::SelectionWalker(WalkOptions options) : options_(std::move(options)) {}

Selection SelectionWalker::collectSelected(const std::string& root,
                                           const std::vector<std::string>& names) {
    selection_ = {};
    const std::string folder = withSlash(root);
    for (const std::string& name : names) {
        if (selection_.full) break;
        collectName(folder, withoutSlashes(name));
    }
    return finish();
}

Selection SelectionWalker::collectAll(const std::string& root) {
    selection_ = {};
    collectContent(withSlash(root), true);
    return finish();
}

void SelectionWalker::collectName(const std::string& folder, const std::string& name) {
    const std::string path = folder + name;
    struct stat status {};
    if (lstat(path.c_str(), &status) != 0) return;
    if (S_ISDIR(status.st_mode)) {
        if (store("\t" + path)) collectContent(path + "/");
    } else if (S_ISREG(status.st_mode)) {
        store(path, status.st_size);
    } else if (S_ISLNK(status.st_mode)) {
        store(path);
    } else {
        leaveOut(path, FolderListing::reasonLeftOut(status.st_mode));
    }
}

void SelectionWalker::collectContent(const std::string& folder, bool followLink) {
    const FolderListing listing = FolderListing::read(folder, options_.includeHidden, followLink);
    if (!listing.complete) selection_.unreadFolders.push_back(folder);
    for (const FolderListing::File& file : listing.files)
        if (!store(JoinedText::of({folder, file.name}), file.size)) return;
    for (const FolderListing::LeftOut& other : listing.leftOut)
        if (!leaveOut(folder + other.name, other.reason)) return;
    for (const std::string& name : listing.folders) {
        const std::string path = folder + name + "/";
        if (!store("\t" + path)) return;
        collectContent(path);
        if (selection_.full) return;
    }
}

bool SelectionWalker::store(std::string entry, std::int64_t bytes) {
    if (!roomLeft()) return false;
    // A path joined with + (a folder's, behind its tab) has room for about twice its folder; a
    // million entries would keep that room.
    entry.shrink_to_fit();
    selection_.entries.push_back(std::move(entry));
    selection_.totalBytes = plusSize(selection_.totalBytes, bytes);
    if (options_.onEntry) options_.onEntry(selection_.entries.back());
    return true;
}

bool SelectionWalker::leaveOut(std::string path, std::string reason) {
    if (!roomLeft()) return false;
    selection_.leftOut.push_back({std::move(path), std::move(reason)});
    return true;
}

bool SelectionWalker::roomLeft() {
    if (selection_.entries.size() + selection_.leftOut.size() < options_.maxEntries) return true;
    selection_.full = true;
    return false;
}

Selection SelectionWalker::finish() {
    return std::exchange(selection_, {});
}

}  // namespace quorvex
