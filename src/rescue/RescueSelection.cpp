#include "RescueSelection.h"

#include <algorithm>
#include <iterator>
#include <limits>

#include "SelectionWalker.h"

namespace quorvex {

Selection RescueSelection::collect(const std::string& sourceRoot,
                                   const std::vector<std::string>& items,
                                   const WalkOptions::EntryHook& onEntry) {
    WalkOptions options;
    options.includeHidden = true;
    options.onEntry = onEntry;
    if (items.empty()) return SelectionWalker(options).collectAll(sourceRoot);
    Selection selection;
    std::vector<std::string> created;
    for (const std::string& item : items) {
        addParents(selection, sourceRoot, item, created);
        if (selection.full) break;
        options.maxEntries =
            WalkOptions::MaxEntries - selection.entries.size() - selection.leftOut.size();
        append(selection, SelectionWalker(options).collectSelected(sourceRoot, {item}));
        if (selection.full) break;
    }
    return selection;
}

void RescueSelection::addParents(Selection& selection, const std::string& sourceRoot,
                                 const std::string& item, std::vector<std::string>& created) {
    for (std::size_t slash = item.find('/'); slash != std::string::npos;
         slash = item.find('/', slash + 1)) {
        const std::string entry = "\t" + sourceRoot + item.substr(0, slash + 1);
        if (std::ranges::find(created, entry) != created.end()) continue;
        if (selection.entries.size() + selection.leftOut.size() >= WalkOptions::MaxEntries) {
            selection.full = true;
            return;
        }
        created.push_back(entry);
        selection.entries.push_back(entry);
    }
}

void RescueSelection::append(Selection& selection, Selection part) {
    std::ranges::move(part.entries, std::back_inserter(selection.entries));
    std::ranges::move(part.unreadFolders, std::back_inserter(selection.unreadFolders));
    std::ranges::move(part.leftOut, std::back_inserter(selection.leftOut));
    const std::int64_t room = std::numeric_limits<std::int64_t>::max() - selection.totalBytes;
    selection.totalBytes += std::min(part.totalBytes, room);
    selection.full = selection.full || part.full;
}

}  // namespace quorvex
