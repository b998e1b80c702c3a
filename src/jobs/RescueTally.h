#pragma once

#include <cstdint>
#include <vector>

#include "SavedJob.h"

namespace quorvex {

// The files of a job by outcome, over all its runs so far, and the bytes that reached the
// destination or were lost. Copied bytes are the bytes written: those reached in each file
// less its lost ranges. A job file's numbers are checked when it is read (JobRecordRules), so
// the sums stay far from overflow.
struct RescueTally {
    std::int64_t copied = 0;
    std::int64_t damaged = 0;
    // The files that are not done, with the offsets they reached.
    std::vector<JobItem> notCopied;
    std::int64_t bytesCopied = 0;
    std::int64_t bytesLost = 0;

    static RescueTally of(const SavedJob& job);
    bool whole() const { return damaged == 0 && notCopied.empty(); }

  private:
    void add(const JobRecord& record);
};

}  // namespace quorvex
