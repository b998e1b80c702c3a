#include "JobFile.h"

#include <sys/stat.h>
#include <unistd.h>

#include "AtomicFile.h"
#include "JobFileReader.h"
#include "JobFileWriter.h"
#include "UsageError.h"

namespace quorvex {

bool JobFile::exists() const {
    struct stat status {};
    return lstat(path_.c_str(), &status) == 0;
}

void JobFile::requireWritableFolder() const {
    const std::size_t slash = path_.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : path_.substr(0, slash + 1);
    struct stat status {};
    if (stat(path_.c_str(), &status) == 0 && !S_ISREG(status.st_mode))
        throw UsageError("the job file " + path_ + " is not a regular file");
    if (access(folder.c_str(), W_OK | X_OK) != 0)
        throw UsageError("the job file cannot be written in " + folder);
}

SavedJob JobFile::load() const {
    try {
        return JobFileReader::parse(AtomicFile::read(path_));
    } catch (const AtomicFile::Error& error) {
        throw UsageError(std::string("the job file: ") + error.what());
    } catch (const UsageError& error) {
        throw UsageError(path_ + ": " + error.what());
    }
}

void JobFile::save(const SavedJob& job) const {
    AtomicFile::replace(path_, JobFileWriter::format(job));
}

}  // namespace quorvex
