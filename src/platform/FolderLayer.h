#pragma once

#include <string>

namespace quorvex {

// Folders of the file system, by their exact path bytes.
class FolderLayer {
public:
    virtual ~FolderLayer() = default;

    virtual bool folderExists(const std::string& path) = 0;
    // Creates one folder whose parent exists; raises RunTimeError on failure.
    virtual void createFolder(const std::string& path) = 0;
};

}  // namespace quorvex
