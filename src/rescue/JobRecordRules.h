#pragma once

#include <cstdint>
#include <string>

#include "SavedJob.h"

namespace quorvex {

// What a job file may say about one item, so that no number read from it can steer a run
// outside the file it describes or overflow a total: offsets far from the 64-bit limit, an
// item not done resuming where it reached, lost ranges in order, apart and within the bytes
// reached.
class JobRecordRules {
  public:
    // Far below the 64-bit limit: two of them still add up without overflow, and no file
    // system holds a file this long.
    static constexpr std::int64_t MaxOffset = std::int64_t{1} << 62;

    // What breaks the rules, in plain words; empty when nothing does.
    static std::string problem(const JobRecord& record);

  private:
    static std::string offsetProblem(const JobRecord& record);
    static std::string rangeProblem(const JobRecord& record);
};

}  // namespace quorvex
