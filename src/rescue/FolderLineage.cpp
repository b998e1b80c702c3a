#include "FolderLineage.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

namespace quorvex {

namespace {

// Deeper than any real tree; it only stops a file system that answers ".." in a circle.
constexpr std::size_t kMaxDepth = 4096;

FolderIdentity identityOf(const struct stat& status) {
    return {status.st_dev, status.st_ino};
}

}  // namespace

FolderLineage FolderLineage::of(const std::string& path) {
    namespace fs = std::filesystem;
    fs::path place = fs::absolute(fs::path(path)).lexically_normal();
    bool whole = true;
    while (true) {
        const int descriptor = open(place.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
        if (descriptor >= 0) return FolderLineage(climb(descriptor), whole);
        if (place == place.parent_path()) return FolderLineage({}, false);
        place = place.parent_path();
        whole = false;
    }
}

bool FolderLineage::reaches(const FolderIdentity& folder) const {
    return std::ranges::find(chain_, folder) != chain_.end();
}

// Takes over the descriptor and closes it, and each parent's after it. The root is its own
// parent, which ends the climb.
std::vector<FolderIdentity> FolderLineage::climb(int descriptor) {
    std::vector<FolderIdentity> chain;
    while (descriptor >= 0) {
        struct stat status {};
        const bool known = fstat(descriptor, &status) == 0;
        const bool top = !known || chain.size() == kMaxDepth ||
                         (!chain.empty() && chain.back() == identityOf(status));
        const int parent = top ? -1 : openat(descriptor, "..", O_PATH | O_DIRECTORY | O_CLOEXEC);
        if (!top) chain.push_back(identityOf(status));
        close(descriptor);
        descriptor = parent;
    }
    return chain;
}

}  // namespace quorvex
