#pragma once

#include <string>

namespace quorvex {

// Folders of the file system, by their exact path bytes. Below the root given to confineTo(),
// folders are reached without following a symbolic link, as the file layer reaches files
// there; a link on the way raises LinkInPath.
class FolderLayer {
public:
    virtual ~FolderLayer() = default;

    // True for a folder; a symbolic link below the root is not one.
    virtual bool folderExists(const std::string& path) = 0;
    // Creates one folder whose parent exists; raises RunTimeError on failure.
    virtual void createFolder(const std::string& path) = 0;
    virtual void confineTo(const std::string& root) = 0;
    // Gives the owner read, write and search permission on the folder where it lacks them, so
    // that a run can write again into a folder that took a read-only source folder's permissions.
    virtual void allowWriting(const std::string& path) = 0;
    // Gives folder `to` the modification time and permission bits of folder `from`;
    // set-user-ID, set-group-ID and sticky bits are never given.
    virtual void copyAttributes(const std::string& from, const std::string& to) = 0;
};

}  // namespace quorvex
