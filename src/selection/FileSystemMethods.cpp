#include "FileSystemMethods.h"

#include <sys/stat.h>

#include <QDir>

#include "DriveNaming.h"
#include "DriveTypeNames.h"
#include "OwnFolderRemoval.h"
#include "PathText.h"
#include "RunTimeError.h"
#include "SizeToText.h"

namespace quorvex {

std::string FileSystemMethods::GetSystemTempPath() {
    return DriveNaming::rootOf(PathText::fromDisplay(QDir::tempPath()));
}

std::string FileSystemMethods::CreateTempCopyFolder(const std::string& baseFolder) {
    const auto earlier = OwnFolderRemoval::remove(baseFolder, CopyFolderName);
    if (earlier != OwnFolderRemoval::Outcome::Removed &&
        earlier != OwnFolderRemoval::Outcome::Missing)
        return "";
    // mkdir never follows a link: whatever took the name meanwhile makes it fail.
    const std::string path = baseFolder + CopyFolderName;
    if (mkdir(path.c_str(), S_IRWXU) != 0) return "";
    return path + "/";
}

void FileSystemMethods::RemoveTempCopyFolder(const std::string& baseFolder) {
    OwnFolderRemoval::remove(baseFolder, CopyFolderName);
}

double FileSystemMethods::GetDriveFreeSpace(DriveTable& table, const std::string& path) {
    try {
        const auto drives = table.drives();
        const MountedVolume* drive = DriveTable::volumeHolding(drives, path);
        if (drive == nullptr) return 0;
        return static_cast<double>(table.space(drive->mountPoint).free);
    } catch (const std::exception&) {
        return 0;
    }
}

DriveTableRows FileSystemMethods::FillDriveTable(DriveTable& table) {
    DriveTableRows result;
    try {
        for (const MountedVolume& drive : table.drives())
            if (drive.type == DriveType::Fixed) result.rows.push_back(rowFor(table, drive));
    } catch (const std::exception&) {
        // The rows made so far stay.
    }
    return result;
}

DriveTableRows::Row FileSystemMethods::rowFor(DriveTable& table, const MountedVolume& drive) {
    DriveTableRows::Row row{DriveNaming::nameOf(drive.mountPoint),
                            DriveTypeText(drive.type),
                            drive.fileSystem,
                            drive.volumeName,
                            "",
                            ""};
    try {
        const VolumeSpace space = table.space(drive.mountPoint);
        row[4] = SizeToText(static_cast<double>(space.total));
        row[5] = SizeToText(static_cast<double>(space.free));
    } catch (const RunTimeError& error) {
        // A drive that is not ready keeps its row without sizes.
        if (error.number() != ErrorNumber::DiskNotReady) throw;
    }
    return row;
}

std::string FileSystemMethods::DriveTypeText(std::int16_t type) {
    return DriveTypeNames().nameOf(type);
}

}  // namespace quorvex
