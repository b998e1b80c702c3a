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

bool SameFolder::landsInSource(FileLayer& files, const std::vector<std::string>& items,
                               const std::string& source, const std::string& destination) {
    const std::optional<std::string> way = wayDown(files, source, destination);
    if (!way) return false;
    const std::string root = withSlash(source);
    for (const std::string& item : items) {
        const std::string path = !item.empty() && item.front() == '\t' ? item.substr(1) : item;
        if (path.starts_with(root) && withSlash(path.substr(root.size())).starts_with(*way))
            return true;
    }
    return false;
}

std::optional<std::string> SameFolder::wayDown(FileLayer& files, const std::string& source,
                                               const std::string& destination) {
    const std::string from = withSlash(source);
    for (std::size_t end = from.size() - 1; end > 0;) {
        end = from.rfind('/', end - 1);
        if (end == std::string::npos) break;
        if (isSame(files, from.substr(0, end + 1), destination)) return from.substr(end + 1);
    }
    return std::nullopt;
}

std::string SameFolder::withSlash(const std::string& path) {
    return path.ends_with('/') ? path : path + "/";
}

}  // namespace quorvex
