#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "DestinationSync.h"
#include "FileLayer.h"
#include "LostRangeRetry.h"
#include "ReportHistory.h"

namespace quorvex {

// The retry of lost ranges for a run kept in the report history, as the history page offers
// it: the stored job's lost ranges are read again (LostRangeRetry), and as each file whose ranges
// narrowed ends, the destination is flushed and the record brought up to date in one
// transaction: that item's ranges, the damaged files, and the damaged-file count, bytes copied
// and bytes lost of the summary. A retry that ends early, even by a kill, leaves the record
// telling what the files finished before gave back.
class StoredReportRetry {
  public:
    // HistoryError when the record cannot be read or written; std::runtime_error when the
    // destination cannot be flushed, with the record as the files finished before left it.
    static std::vector<LostRangeRetry::FileOutcome> retry(ReportHistory& history,
                                                          std::int64_t number, FileLayer& files,
                                                          std::function<bool()> goOn);

  private:
    static void store(ReportHistory& history, RunReport& report, const SavedJob& job,
                      std::size_t index, const DestinationSync& destination);
};

}  // namespace quorvex
