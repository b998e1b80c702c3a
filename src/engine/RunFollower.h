#pragma once

#include <cstdint>
#include <string>

namespace quorvex {

// Follows a run for whoever keeps its job between runs: the start and end of each file item
// (1-based numbers of the run's job list) and each moment the engine lets events run between
// its blocks, when every byte before the offset it reached is written; and it tells which files
// in the destination are the job's own earlier copies.
class RunFollower {
  public:
    virtual ~RunFollower() = default;

    virtual void itemStarted(std::int32_t number) = 0;
    virtual void itemEnded(std::int32_t number) = 0;
    virtual void betweenBlocks() = 0;
    virtual bool ownsCopyAt(const std::string& destination) const = 0;
};

}  // namespace quorvex
