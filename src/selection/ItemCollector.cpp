#include "ItemCollector.h"

#include <algorithm>
#include <iterator>

#include "BrowserTexts.h"
#include "PathRules.h"
#include "SelectionWalker.h"

namespace quorvex {

ItemCollector::ItemCollector(Prompts& prompts, EventPump& events, const TextTable& texts)
    : prompts_(prompts), events_(events), texts_(texts) {}

bool ItemCollector::CreateListOfSelected(const std::string& root,
                                         const std::vector<std::string>& names) {
    SelectedItems.clear();
    leftOut_.clear();
    Selection selection = SelectionWalker(walkOptions()).collectSelected(root, names);
    tellIfIncomplete(selection);
    take(std::move(selection));
    if (caption_) caption_(text(BrowserText::CurrentFolder) + ": " + PathRules::withSlash(root));
    return Items_Count > 0;
}

bool ItemCollector::CreateFilesList(const std::string& root) {
    SelectedItems.clear();
    leftOut_.clear();
    Selection selection = SelectionWalker(walkOptions()).collectAll(root);
    tellIfIncomplete(selection);
    take(std::move(selection));
    return Items_Count > 0;
}

bool ItemCollector::GetFileNames(const std::string& basePath, const std::string& name) {
    WalkOptions options = walkOptions();
    const std::size_t recorded = SelectedItems.size() + leftOut_.size();
    options.maxEntries = limit_ > recorded ? limit_ - recorded : 0;
    Selection selection = SelectionWalker(options).collectAll(basePath + name);
    const bool complete = tellIfIncomplete(selection);
    take(std::move(selection));
    return complete;
}

std::string ItemCollector::SelectedItemName(std::int32_t index) const {
    if (index < 1 || index > Items_Count) return {};
    return SelectedItems[static_cast<std::size_t>(index - 1)];
}

WalkOptions ItemCollector::walkOptions() const {
    WalkOptions options;
    options.includeHidden = ShowHidden;
    options.maxEntries = limit_;
    options.onEntry = [this](const std::string& entry) {
        const bool folder = !entry.empty() && entry.front() == '\t';
        if (caption_) caption_(text(BrowserText::Collecting) + ": " + entry.substr(folder ? 1 : 0));
        events_.runPendingEvents();
    };
    return options;
}

// Appends, so that GetFileNames adds to what an earlier call stored.
void ItemCollector::take(Selection selection) {
    if (SelectedItems.empty()) Items_TotalSize = 0;
    SelectedItems.insert(SelectedItems.end(), std::make_move_iterator(selection.entries.begin()),
                         std::make_move_iterator(selection.entries.end()));
    std::ranges::move(selection.leftOut, std::back_inserter(leftOut_));
    Items_Count = static_cast<std::int32_t>(SelectedItems.size());
    Items_TotalSize += static_cast<double>(selection.totalBytes);
}

bool ItemCollector::tellIfIncomplete(const Selection& selection) {
    std::string message;
    if (!selection.unreadFolders.empty()) message = text(BrowserText::FoldersIncomplete);
    if (selection.full) message += (message.empty() ? "" : "\r") + text(BrowserText::ListFull);
    if (message.empty()) return true;
    prompts_.messageBox(PromptIcon::Exclamation, PromptButtons::Ok, messageCaption, message);
    return false;
}

std::string ItemCollector::text(int index) const {
    return texts_[static_cast<std::size_t>(index)];
}

}  // namespace quorvex
