#pragma once

#include <optional>
#include <string>
#include <vector>

#include "FileLayer.h"

namespace quorvex {

// Tells folders apart as the file system knows them: one device and one inode, whatever path,
// link or bind mount leads there.
class SameFolder {
  public:
    // True when both paths are the same text, or both lead to one folder on disk. A folder
    // that cannot be looked at is told only by its text.
    static bool isSame(FileLayer& files, const std::string& first, const std::string& second);
    // The item list of a run without the folder `excluded` and everything listed below it:
    // a destination inside a marked source folder is not copied into itself. Folder entries
    // are a tab and the folder's path; the entries below a folder start with its path.
    static std::vector<std::string> itemsOutside(FileLayer& files,
                                                 const std::vector<std::string>& items,
                                                 const std::string& excluded);

    // True when an item's copy (the destination, then the item's path below the source) would
    // land in the source folder itself, where it could overwrite files before they are read:
    // the source lies below the destination and an item's path repeats the way down to it.
    static bool landsInSource(FileLayer& files, const std::vector<std::string>& items,
                              const std::string& source, const std::string& destination);

  private:
    // The way from the destination down to the source ("media/disc/"), when the source lies
    // below it. The folders above the source are taken by the text of its path, as the copy
    // makes its folders below the destination by name.
    static std::optional<std::string> wayDown(FileLayer& files, const std::string& source,
                                              const std::string& destination);
    static std::string withSlash(const std::string& path);
};

}  // namespace quorvex
