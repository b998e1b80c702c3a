#pragma once

#include <SQLiteCpp/Database.h>

#include <cstdint>
#include <optional>

#include "RunReport.h"

namespace quorvex {

// Writes one report into the history's tables, inside the caller's transaction, with one
// prepared statement per table reused for every row.
class ReportWriter {
public:
    explicit ReportWriter(SQLite::Database& db) : db_(db) {}

    // Stores the report under a new number and returns it.
    std::int64_t insert(const RunReport& report);
    // Stores the report in place of the record of its number; false when there is none.
    bool overwrite(const RunReport& report);
    // Adds the damaged files with their ranges to the record of the number.
    void insertDamage(std::int64_t number, const std::vector<DamageRecord>& damaged);

private:
    std::int64_t insertSummary(const RunReport& report, std::optional<std::int64_t> number);
    void insertJob(std::int64_t number, const SavedJob& job);
    void insertTexts(const char* table, std::int64_t number, const std::vector<std::string>& texts);
    void insertLeftOut(std::int64_t number, const std::vector<Selection::LeftOut>& leftOut);
    void insertItems(std::int64_t number, const std::vector<JobRecord>& items);
    void removeRecord(std::int64_t number);

    SQLite::Database& db_;
};

}  // namespace quorvex
