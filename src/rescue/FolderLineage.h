#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace quorvex {

// A folder as the file system knows it, whatever path leads to it: a bind mount or a link
// shows the same folder under another path, and only the device and inode tell.
struct FolderIdentity {
    dev_t device = 0;
    ino_t inode = 0;

    bool operator==(const FolderIdentity&) const = default;
};

// A folder and every folder above it, up to the root of the file system, found through ".."
// of the open folder rather than through its path's text: a bind mount's ".." leads to the
// folder it is mounted in, so two paths to one folder have the same lineage above it.
class FolderLineage {
  public:
    // The lineage of the folder at the path or, while the path does not exist yet, of its
    // nearest existing parent; empty when not even the root can be looked at.
    static FolderLineage of(const std::string& path);
    explicit FolderLineage(std::vector<FolderIdentity> chain, bool whole = true)
        : chain_(std::move(chain)), whole_(whole) {}

    // True when the folder itself exists, not only a parent.
    bool whole() const { return whole_ && !chain_.empty(); }
    // True when the folder is this one or lies anywhere above it.
    bool reaches(const FolderIdentity& folder) const;
    const FolderIdentity& self() const { return chain_.front(); }

  private:
    static std::vector<FolderIdentity> climb(int descriptor);

    std::vector<FolderIdentity> chain_;
    bool whole_;
};

}  // namespace quorvex
