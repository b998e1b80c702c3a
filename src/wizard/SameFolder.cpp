#include "SameFolder.h"

namespace quorvex {

bool SameFolder::isSame(FileLayer& files, const std::string& first, const std::string& second) {
    return first == second || files.isSameFile(first, second);
}

// Every folder entry is looked at, not only those whose text starts with the excluded path: a
// link or a bind mount may show the excluded folder under any name.
std::vector<std::string> SameFolder::itemsOutside(FileLayer& files,
                                                  const std::vector<std::string>& items,
                                                  const std::string& excluded) {
    std::vector<std::string> kept;
    kept.reserve(items.size());
    std::string leftOutBelow;
    for (const std::string& item : items) {
        const bool folder = !item.empty() && item.front() == '\t';
        const std::string path = folder ? item.substr(1) : item;
        if (!leftOutBelow.empty() && path.starts_with(leftOutBelow)) continue;
        if (folder && isSame(files, path, excluded)) {
            leftOutBelow = withSlash(path);
            continue;
        }
        kept.push_back(item);
    }
    return kept;
}

std::string SameFolder::withSlash(const std::string& path) {
    return path.ends_with('/') ? path : path + "/";
}

}  // namespace quorvex
