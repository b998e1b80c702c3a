#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "FileLayer.h"
#include "LostRangeRetry.h"
#include "ReportHistory.h"

namespace quorvex {

// The retry of lost ranges for a run kept in the report history, as the history page offers
// it: the stored job's lost ranges are read again (LostRangeRetry), the destination is flushed,
// and then the record is brought up to date in one transaction: each retried item's ranges, the
// damaged files, and the damaged-file count, bytes copied and bytes lost of the summary.
class StoredReportRetry {
  public:
    // HistoryError when the record cannot be read or written; std::runtime_error, with the
    // record untouched, when the destination cannot be flushed.
    static std::vector<LostRangeRetry::FileOutcome> retry(ReportHistory& history,
                                                          std::int64_t number, FileLayer& files,
                                                          std::function<bool()> goOn);
};

}  // namespace quorvex
