#include "ReachedFolders.h"

#include <algorithm>

#include "RunTimeError.h"

namespace quorvex {

namespace {

std::size_t depthOf(const std::string& path) {
    std::string trimmed = path;
    while (trimmed.ends_with('/')) trimmed.pop_back();
    return static_cast<std::size_t>(std::count(trimmed.begin(), trimmed.end(), '/'));
}

}  // namespace

void ReachedFolders::keepAttributes(FolderLayer& layer) {
    std::stable_sort(folders_.begin(), folders_.end(), [](const Folder& a, const Folder& b) {
        return depthOf(a.destination) > depthOf(b.destination);
    });
    for (const Folder& folder : folders_) {
        try {
            layer.copyAttributes(folder.source, folder.destination);
        } catch (const RunTimeError&) {
            // The folder's content is what was rescued; its time and permissions only describe it.
        }
    }
}

}  // namespace quorvex
