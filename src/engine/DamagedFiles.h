#pragma once

#include <cstdint>
#include <vector>

#include "DamageRecord.h"
#include "DamagedRanges.h"
#include "Prompts.h"
#include "SharedState.h"

namespace quorvex {

// The record of the damaged files of a run, one entry per file in the order they were met.
class DamagedFiles {
public:
    DamagedFiles(Prompts& prompts, const TextTable& texts);

    void clear() { records_.clear(); }

    // Keeps a record when the file has damaged ranges or its copy did not reach the end, and
    // tells the user at once; a whole file leaves no trace. True when a record was kept.
    // keptBeside names the copy when it was kept beside an earlier file at the destination.
    bool RecCorruptedBlocks(std::int32_t& CorruptedFilesCount, const std::string& source,
                            const std::string& destination, std::int64_t File1Size,
                            std::int32_t FAttr, const DamagedRanges& ranges,
                            std::int64_t Copied, const std::string& FileDTV,
                            const std::string& keptBeside = {});

    const std::vector<DamageRecord>& records() const { return records_; }

private:
    Prompts& prompts_;
    const TextTable& texts_;
    std::vector<DamageRecord> records_;
};

}  // namespace quorvex
