#include "RescueRoots.h"

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

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

// A destination inside the source would be walked and copied into itself.
void RescueRoots::requireSeparate() const {
    if (canonical(destination).starts_with(canonical(source)))
        throw UsageError("the destination root " + destination + " lies in the source root " +
                         source);
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

}  // namespace quorvex
