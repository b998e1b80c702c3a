#pragma once

#include <array>
#include <cstddef>
#include <string>

namespace quorvex {

// The browser's earlier folders, most recent first; the oldest drops off after ten.
class FolderHistory {
public:
    static constexpr std::size_t Length = 10;

    void add(const std::string& path);
    // The most recent folder, taken off the history; "" when it is empty.
    std::string takeLatest();
    bool empty() const { return entries_[0].empty(); }

private:
    std::array<std::string, Length> entries_{};
};

}  // namespace quorvex
