#pragma once

#include <string>
#include <utility>
#include <vector>

#include "RunReport.h"
#include "SharedState.h"

namespace quorvex {

// A stored report as text for people and as CSV for spreadsheets, and the saving of either.
class ReportExport {
  public:
    using Line = std::pair<std::string, std::string>;

    // The summary as label and value pairs in the language of `mainText`: date and time,
    // source, destination, how the run ended, files, damaged files, copied and lost bytes.
    static std::vector<Line> summary(const RunReport& report, const TextTable& mainText);
    // The summary, then every damaged file with its size and each lost range.
    static std::string text(const RunReport& report, const TextTable& mainText);
    // A header, then one row per lost range: path, first byte, last byte, bytes (1-based,
    // inclusive). Fields are quoted as RFC 4180 asks; rows end in CR LF.
    static std::string csv(const RunReport& report);
    // One lost range as "first - last (size)".
    static std::string rangeText(const ByteRange& range);

    // Writes the whole contents to a temporary file beside `path` and renames it over `path`,
    // so the file is either the old one or all of the new one. The reason when it failed,
    // empty when it was saved.
    static std::string saveWhole(const std::string& path, const std::string& contents);
};

}  // namespace quorvex
