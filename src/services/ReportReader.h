#pragma once

#include <SQLiteCpp/Database.h>

#include <cstdint>
#include <optional>
#include <vector>

#include "HistoryFile.h"
#include "HistoryRow.h"
#include "RunReport.h"

namespace quorvex {

// Reads reports back out of the history's tables.
class ReportReader {
public:
    ReportReader(SQLite::Database& db, const HistoryFile& file) : db_(db), file_(file) {}

    // The whole record, or nothing when there is no record of that number.
    std::optional<RunReport> load(std::int64_t number);
    // One row per record, in record order.
    std::vector<HistoryRow> rows();

private:
    void loadJob(RunReport& report);
    std::vector<std::string> loadTexts(const char* table, std::int64_t number);
    void loadLeftOut(RunReport& report);
    void loadItems(RunReport& report);
    void loadDamage(RunReport& report);
    // Puts each stored range into the list of its owner, checked against the owners read.
    template <typename Owners, typename RangesOf>
    void loadRanges(const char* table, const char* owner, std::int64_t number, Owners& owners,
                    RangesOf rangesOf);

    SQLite::Database& db_;
    const HistoryFile& file_;
};

}  // namespace quorvex
