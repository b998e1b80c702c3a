#pragma once

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

  private:
    static std::string withSlash(const std::string& path);
};

}  // namespace quorvex
