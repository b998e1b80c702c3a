#pragma once

#include <cstdint>
#include <string>

#include "SavedJob.h"

namespace quorvex {

// The job file named by --job: what a run leaves for the next run of the same command.
class JobFile {
  public:
    // Far more than a job of the largest selection needs; a larger file is not read at all.
    static constexpr std::int64_t MaxBytes = std::int64_t{1} << 30;

    explicit JobFile(std::string path) : path_(std::move(path)) {}

    const std::string& path() const { return path_; }
    bool exists() const;
    // UsageError unless the file's folder takes new files, so that the job can be saved.
    void requireWritableFolder() const;
    // UsageError when the file cannot be read, is not a regular file, is too large or is not a
    // whole job file. The update lines are applied.
    SavedJob load() const;
    // Replaces the file atomically; AtomicFile::Error when that fails.
    void save(const SavedJob& job) const;

  private:
    // Runs the reading work; a damaged line's UsageError gets the file's name in front.
    template <typename Work>
    auto named(Work work) const;
    static std::string tooLarge();
    [[noreturn]] void refuse(const std::string& why) const;

    std::string path_;
};

}  // namespace quorvex
