#pragma once

#include <string>
#include <vector>

#include "Selection.h"
#include "WalkOptions.h"

namespace quorvex {

// Expands marked files and folders into the recovery engine's item list. A folder's content is
// first its own files in enumeration order, then each subfolder in enumeration order as its
// folder entry (tab, path, "/") directly followed by its content. Folders that are symbolic
// links are never entered nor listed; sockets, pipes and devices are left out; a link to a
// regular file is taken as that file. A folder that cannot be read ends its own part of the
// walk with what was read so far, and the walk goes on with the next item.
class SelectionWalker {
  public:
    explicit SelectionWalker(WalkOptions options = {});

    // The marked names below root, in the order given. A marked folder is its tab entry
    // without a trailing "/", followed by its content; a marked file is its path. A name may
    // hold "/" to reach deeper; names that are missing or of another kind give nothing.
    Selection collectSelected(const std::string& root, const std::vector<std::string>& names);
    // The whole content of root, root itself not listed.
    Selection collectAll(const std::string& root);

  private:
    void collectName(const std::string& folder, const std::string& name);
    void collectContent(const std::string& folder, bool followLink = false);
    // False once the entry limit is reached.
    bool store(std::string entry, std::int64_t bytes = 0);
    Selection finish();

    WalkOptions options_;
    Selection selection_;
};

}  // namespace quorvex
