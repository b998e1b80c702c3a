#pragma once

#include <cstdint>
#include <string>

#include "DriveTable.h"
#include "DriveTableRows.h"

namespace quorvex {

// The temporary folder of the burn tasks: where it lies, how its copy folder is made and
// removed, and the drives it may be put on.
class FileSystemMethods {
  public:
    static constexpr const char* CopyFolderName = "qvx_temp_folder";

    // The system's temporary folder with one trailing "/".
    static std::string GetSystemTempPath();
    // A fresh, empty copy folder in the base folder, with a trailing "/"; "" when it cannot
    // be made, also when a link or another user's folder stands in its place.
    static std::string CreateTempCopyFolder(const std::string& baseFolder);
    // Removes the copy folder with its content; failures and strangers' folders are left.
    static void RemoveTempCopyFolder(const std::string& baseFolder);
    // Free bytes of the drive holding the path; 0 when none holds it or it cannot be read.
    static double GetDriveFreeSpace(DriveTable& table, const std::string& path);
    // The fixed drives, one row each: name, type, file system, label, size and free space.
    static DriveTableRows FillDriveTable(DriveTable& table);
    static std::string DriveTypeText(std::int16_t type);

  private:
    static DriveTableRows::Row rowFor(DriveTable& table, const MountedVolume& drive);
};

}  // namespace quorvex
