#pragma once

#include <SQLiteCpp/Database.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "RunReport.h"

namespace quorvex {

// Brings a stored report up to date inside the caller's transaction, touching only the rows
// that change while a run goes on: its summary, some of its job items and its damaged files.
class ReportUpdater {
public:
    explicit ReportUpdater(SQLite::Database& db) : db_(db) {}

    // The number of job items stored under the record; nothing when there is no such record.
    std::optional<std::size_t> storedItemCount(std::int64_t number);
    // Writes head's end time, task, outcome and figures and the continuable count into the
    // summary row of record head.number; its start time and roots stay as stored.
    void updateSummary(const RunReport& head, std::int32_t continuable);
    // Writes the rows of the job items at the positions, with all of their lost ranges, from
    // the items of the same positions.
    void rewriteItems(std::int64_t number, const std::vector<JobRecord>& items,
                      const std::vector<std::size_t>& positions);
    // Puts the damaged files in place of all those the record holds.
    void replaceDamage(std::int64_t number, const std::vector<DamageRecord>& damaged);

private:
    SQLite::Database& db_;
};

}  // namespace quorvex
