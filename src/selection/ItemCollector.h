#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "EventPump.h"
#include "Prompts.h"
#include "Selection.h"
#include "SharedState.h"
#include "WalkOptions.h"

namespace quorvex {

// The list of selected items that a recovery run takes: marked files and folders below the
// folder shown, expanded by the selection walker. While it collects, the caption follows the
// entry being added and waiting window events run after every entry. When folders could not
// be read completely or the list filled up, the user is told once at the end. Pipes, sockets
// and device files the walk met are kept with the reason they were left out, for the run's
// summary.
class ItemCollector {
public:
    using Caption = std::function<void(const std::string& caption)>;

    ItemCollector(Prompts& prompts, EventPump& events, const TextTable& texts);

    void setCaption(Caption caption) { caption_ = std::move(caption); }
    void setLimit(std::size_t maxEntries) { limit_ = maxEntries; }

    // The marked names below root, in display order; a marked link is collected as the link.
    // True when an entry was stored.
    bool CreateListOfSelected(const std::string& root, const std::vector<std::string>& names);
    // The whole content of root, root itself getting no entry. Root is the folder the user is
    // looking at, so it is walked even when the user reached it through a link.
    bool CreateFilesList(const std::string& root);
    // Appends the content of basePath & name, walked as CreateFilesList walks its root; false
    // when part of it is missing.
    bool GetFileNames(const std::string& basePath, const std::string& name);

    // Entry 1..Items_Count; "" outside.
    std::string SelectedItemName(std::int32_t index) const;
    const std::vector<Selection::LeftOut>& leftOut() const { return leftOut_; }

    std::int32_t Items_Count = 0;
    double Items_TotalSize = 0;
    bool ShowHidden = false;
    std::string messageCaption = "Quorvex";

private:
    WalkOptions walkOptions() const;
    void take(Selection selection);
    bool tellIfIncomplete(const Selection& selection);
    std::string text(int index) const;

    Prompts& prompts_;
    EventPump& events_;
    const TextTable& texts_;
    Caption caption_;
    std::size_t limit_ = WalkOptions::MaxEntries;
    std::vector<std::string> SelectedItems;
    std::vector<Selection::LeftOut> leftOut_;
};

}  // namespace quorvex
