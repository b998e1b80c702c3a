#pragma once

#include <string>

#include "SavedJob.h"

namespace quorvex {

// The job file named by --job: what a run leaves for the next run of the same command.
class JobFile {
  public:
    explicit JobFile(std::string path) : path_(std::move(path)) {}

    bool exists() const;
    // UsageError unless the file's folder takes new files, so that the job can be saved.
    void requireWritableFolder() const;
    // UsageError when the file cannot be read or is not a whole job file.
    SavedJob load() const;
    // Replaces the file atomically; AtomicFile::Error when that fails.
    void save(const SavedJob& job) const;

  private:
    std::string path_;
};

}  // namespace quorvex
