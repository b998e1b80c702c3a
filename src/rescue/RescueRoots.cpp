#include "RescueRoots.h"

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "FolderLineage.h"
#include "UsageError.h"

namespace quorvex {

namespace {

namespace fs = std::filesystem;

std::string normalRoot(const std::string& root) {
    std::string path = fs::absolute(fs::path(root)).lexically_normal().string();
    if (path.empty() || path.back() != '/') path += '/';
    return path;
}

std::string canonical(const std::string& root) {
    std::error_code error;
    std::string path = fs::weakly_canonical(fs::path(root), error).string();
    if (error) path = root;
    if (path.empty() || path.back() != '/') path += '/';
    return path;
}

}  // namespace

RescueRoots RescueRoots::resolve(const std::string& source, const std::string& destination) {
    struct stat status {};
    if (stat(source.c_str(), &status) != 0 || !S_ISDIR(status.st_mode))
        throw UsageError("the source root " + source + " is not a folder");
    RescueRoots roots{normalRoot(source), normalRoot(destination)};
    roots.requireSeparate();
    return roots;
}

// A destination inside the source would be walked and copied into itself; a source inside the
// destination would have its files replaced by their own copies. Paths alone cannot tell when a
// bind mount or a link shows one folder under two names, so the folders above each root are
// compared by device and inode too. A destination not made yet is judged by the folder it will
// be made in.
void RescueRoots::requireSeparate() const {
    const std::string from = canonical(source), to = canonical(destination);
    const FolderLineage sourceLine = FolderLineage::of(source);
    const FolderLineage destinationLine = FolderLineage::of(destination);
    if (!sourceLine.whole()) throw UsageError("the source root " + source + " cannot be looked at");
    if (to.starts_with(from) || destinationLine.reaches(sourceLine.self()))
        throw UsageError("the destination root " + destination + " lies in the source root " +
                         source);
    if (from.starts_with(to) ||
        (destinationLine.whole() && sourceLine.reaches(destinationLine.self())))
        throw UsageError("the source root " + source + " lies in the destination root " +
                         destination);
}

void RescueRoots::requireOutsideSource(const std::string& file, const std::string& what) const {
    const std::string folder = fs::path(file).parent_path().string();
    const std::string place = folder.empty() ? "." : folder;
    if (canonical(place).starts_with(canonical(source)) ||
        FolderLineage::of(place).reaches(FolderLineage::of(source).self()))
        throw UsageError(what + " " + file + " lies in the source root " + source);
}

void RescueRoots::createDestination() const {
    std::error_code error;
    fs::create_directories(fs::path(destination), error);
    struct stat status {};
    if (stat(destination.c_str(), &status) != 0 || !S_ISDIR(status.st_mode))
        throw UsageError("the destination root " + destination + " is not a folder and " +
                         "cannot be created" + (error ? ": " + error.message() : ""));
    if (access(destination.c_str(), W_OK | X_OK) != 0)
        throw UsageError("the destination root " + destination + " is not writable");
}

void RescueRoots::requireMatch(const SavedJob& job,
                               const std::vector<std::string>& selected) const {
    if (job.source != source || job.destination != destination)
        throw UsageError("the job file belongs to a rescue from " + job.source + " to " +
                         job.destination);
    if (job.selected != selected)
        throw UsageError("the job file was made for other items of " + job.source);
    for (const JobRecord& record : job.items) {
        const std::string& name = record.item.FileName;
        if (!name.substr(record.item.isFolder() ? 1 : 0).starts_with(source))
            throw UsageError("the job file names an item outside " + source);
    }
}

}  // namespace quorvex
