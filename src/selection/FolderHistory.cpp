#include "FolderHistory.h"

#include <algorithm>
#include <utility>

namespace quorvex {

void FolderHistory::add(const std::string& path) {
    std::move_backward(entries_.begin(), entries_.end() - 1, entries_.end());
    entries_[0] = path;
}

std::string FolderHistory::takeLatest() {
    std::string latest = std::move(entries_[0]);
    std::move(entries_.begin() + 1, entries_.end(), entries_.begin());
    entries_.back().clear();
    return latest;
}

}  // namespace quorvex
