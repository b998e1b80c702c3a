#pragma once

#include <string>
#include <vector>

#include "Selection.h"
#include "WalkOptions.h"

namespace quorvex {

// Expands marked files and folders into the recovery engine's item list. A folder's content is
// first its own files in enumeration order, then each subfolder in enumeration order as its
// folder entry (tab, path, "/") directly followed by its content. A symbolic link of any kind
// (to a file, to a folder, dangling, in a loop) is a file entry of its own, never followed and
// counted as 0 bytes: the engine recreates it as a link. Pipes, sockets and device files are
// not collected but named in leftOut with the reason. A folder that cannot be read ends its own
// part of the walk with what was read so far, and the walk goes on with the next item.
class SelectionWalker {
  public:
    explicit SelectionWalker(WalkOptions options = {});

    // The marked names below root, in the order given. A marked folder is its tab entry
    // without a trailing "/", followed by its content; a marked file or link is its path. A
    // name may hold "/" to reach deeper, and the folders on the way are taken as the user named
    // them, links included; names that are missing give nothing.
    Selection collectSelected(const std::string& root, const std::vector<std::string>& names);
    // The whole content of root, root itself not listed and followed when it is a link.
    Selection collectAll(const std::string& root);

  private:
    void collectName(const std::string& folder, const std::string& name);
    void collectContent(const std::string& folder, bool followLink = false);
    // Entries and left-out items together stay within the entry limit; false once it is reached.
    bool store(std::string entry, std::int64_t bytes = 0);
    bool leaveOut(std::string path, std::string reason);
    bool roomLeft();
    Selection finish();

    WalkOptions options_;
    Selection selection_;
};

}  // namespace quorvex
