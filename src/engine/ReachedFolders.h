#pragma once

#include <string>
#include <vector>

#include "FolderLayer.h"

namespace quorvex {

// The folders a run created or reached in its destination, with the source folder of each.
// At the end of the run they take their source folders' modification times and permissions,
// deepest first: by then their content is in place, which would otherwise change a folder's
// time again, and a read-only folder is not needed any more to write below it.
class ReachedFolders {
public:
    void clear() { folders_.clear(); }
    void add(const std::string& source, const std::string& destination) {
        folders_.push_back({source, destination});
    }
    // A folder that refuses its attributes keeps its own; the rest still take theirs.
    void keepAttributes(FolderLayer& layer);

private:
    struct Folder {
        std::string source;
        std::string destination;
    };
    std::vector<Folder> folders_;
};

}  // namespace quorvex
