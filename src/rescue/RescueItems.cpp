#include "RescueItems.h"

#include <sys/stat.h>

#include <algorithm>

#include "UsageError.h"

namespace quorvex {

std::vector<std::string> RescueItems::normalize(const std::vector<std::string>& items,
                                                const std::string& sourceRoot) {
    std::vector<std::string> paths;
    for (const std::string& item : items) {
        const std::string path = relative(item, sourceRoot);
        struct stat status {};
        if (lstat((sourceRoot + path).c_str(), &status) != 0)
            throw UsageError("the item " + item + " does not exist in " + sourceRoot);
        if (path.empty()) return {};
        paths.push_back(path);
    }
    std::vector<std::string> kept;
    for (const std::string& path : paths) {
        const auto inside = [&](const std::string& other) { return covers(other, path); };
        if (std::ranges::none_of(kept, inside)) {
            std::erase_if(kept, [&](const std::string& other) { return covers(path, other); });
            kept.push_back(path);
        }
    }
    return kept;
}

// The item's parts below the root joined by single slashes; "" for the root itself.
std::string RescueItems::relative(const std::string& item, const std::string& sourceRoot) {
    std::string rest = item;
    if (item.starts_with("/")) {
        const std::string bare = sourceRoot.substr(0, sourceRoot.size() - 1);
        if (item != bare && !item.starts_with(sourceRoot))
            throw UsageError("the item " + item + " lies outside the source root " + sourceRoot);
        rest = item.substr(std::min(item.size(), sourceRoot.size()));
    }
    std::string path;
    std::size_t start = 0;
    while (start <= rest.size()) {
        const std::size_t end = std::min(rest.find('/', start), rest.size());
        const std::string part = rest.substr(start, end - start);
        if (part == "..") throw UsageError("the item " + item + " must not contain \"..\"");
        if (!part.empty() && part != ".") path += (path.empty() ? "" : "/") + part;
        start = end + 1;
    }
    return path;
}

bool RescueItems::covers(const std::string& folder, const std::string& path) {
    return path == folder || path.starts_with(folder + "/");
}

}  // namespace quorvex
