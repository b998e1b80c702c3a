#pragma once

#include <cstddef>
#include <functional>
#include <string>

namespace quorvex {

struct WalkOptions {
    static constexpr std::size_t MaxEntries = 1000000;
    using EntryHook = std::function<void(const std::string& entry)>;

    // Names starting with "." found inside folders are left out unless this is set.
    bool includeHidden = false;
    std::size_t maxEntries = MaxEntries;
    // Called after every stored entry, so that a window can keep drawing during a long walk.
    EntryHook onEntry;
};

}  // namespace quorvex
