#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "ByteRange.h"
#include "FileLayer.h"
#include "SavedJob.h"

namespace quorvex {

// Reads the still-lost ranges of a saved job's done files again, after the drive has cooled
// down or in another drive, and writes what now reads into the job's copies, in place. (A file
// whose copy was interrupted is first finished by continuing the job.) Nothing that was
// rescued is read again, and a copy is written only while it is still the one the job made
// (a file of the length the job gave it) and its source still holds the ranges.
class LostRangeRetry {
  public:
    enum class Skipped { No, CopyChanged, SourceUnreadable };

    // What became of one file's lost ranges.
    struct FileOutcome {
        std::string source;
        std::int64_t recovered = 0;
        std::vector<ByteRange> stillLost;
        Skipped skipped = Skipped::No;
    };

    // The bytes all the files got back and still lose.
    struct Totals {
        std::int64_t recovered = 0;
        std::int64_t stillLost = 0;
    };
    static Totals totalOf(const std::vector<FileOutcome>& outcomes);

    // goOn lets the caller's events run between reads; false ends the retry there.
    LostRangeRetry(FileLayer& files, std::function<bool()> goOn);
    // Told before each file's ranges are read, with the bytes they hold: a read of a damaged
    // medium may take long, and the caller may say what it waits for.
    void onFileStart(std::function<void(const std::string& source, std::int64_t lostBytes)> tell) {
        fileStarts_ = std::move(tell);
    }
    // Told after each file's ranges were read again, with the index of its record in the job's
    // items and the record as it stands now, so that the caller can keep it at once.
    void onFileEnd(std::function<void(std::size_t index, const JobRecord& record)> tell) {
        fileEnds_ = std::move(tell);
    }

    // One outcome per file with lost ranges, in the job's order; each record's ranges shrink to
    // what still fails. The caller flushes the destination before it saves the job.
    std::vector<FileOutcome> retry(SavedJob& job);
    // The retry ended early: the files not reached keep their ranges.
    bool stopped() const { return stopped_; }

  private:
    FileOutcome retryFile(const SavedJob& job, JobRecord& record);
    // The copy's and the source's length when both may be worked on; 0 otherwise.
    std::int64_t openBoth(const SavedJob& job, const JobRecord& record, Skipped& skipped);
    bool openSource(const std::string& path);

    FileLayer& files_;
    std::function<bool()> goOn_;
    std::function<void(const std::string&, std::int64_t)> fileStarts_;
    std::function<void(std::size_t, const JobRecord&)> fileEnds_;
    bool stopped_ = false;
};

}  // namespace quorvex
