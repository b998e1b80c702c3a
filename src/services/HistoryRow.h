#pragma once

#include <cstdint>
#include <string>

namespace quorvex {

// One line of the report history list. Sizes stay numbers; the window turns them into text.
struct HistoryRow {
    // The date and time the run ended (when it was stored while running: when it started), in
    // the short formats of the user's locale.
    std::string date;
    std::string time;
    std::string source;
    std::string destination;
    // Items_Count, TotalCopiedBytes, CorruptedFilesCount and TotalLostBytes of the report.
    std::int32_t files = 0;
    std::int64_t totalBytes = 0;
    std::int32_t badFiles = 0;
    std::int64_t lostBytes = 0;
    // The record number (hidden column "R") and RunReport::continuable() (hidden column "Q").
    std::int64_t number = 0;
    std::int32_t continuable = 0;
};

}  // namespace quorvex
