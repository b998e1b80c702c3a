#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "SavedJob.h"

namespace quorvex {

// The files of a job by outcome, over all its runs so far, and the bytes that reached the
// destination or were lost.
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
