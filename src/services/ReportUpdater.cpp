#include "ReportUpdater.h"

#include <SQLiteCpp/Statement.h>

#include "HistoryStatements.h"
#include "ReportWriter.h"

namespace quorvex {

using history_statements::run;

std::optional<std::size_t> ReportUpdater::storedItemCount(std::int64_t number) {
    // One row when the record exists; max() over the key's leading columns is a single seek.
    SQLite::Statement query(db_, R"sql(
        SELECT (SELECT max(position) + 1 FROM job_items WHERE report = ?1)
        FROM reports WHERE number = ?1)sql");
    query.bind(1, number);
    if (!query.executeStep()) return std::nullopt;
    const SQLite::Column count = query.getColumn(0);
    return count.isNull() ? 0 : static_cast<std::size_t>(count.getInt64());
}

void ReportUpdater::updateSummary(const RunReport& head, std::int32_t continuable) {
    SQLite::Statement statement(db_, R"sql(
        UPDATE reports SET ended_at = ?2, task = ?3, outcome = ?4, items_count = ?5,
            items_not_copied = ?6, corrupted_files = ?7, files_copied = ?8, folders_count = ?9,
            current_file = ?10, total_copied_bytes = ?11, total_lost_bytes = ?12,
            continuable = ?13
        WHERE number = ?1)sql");
    run(statement, head.number, head.endedAt, head.task, static_cast<std::int32_t>(head.outcome),
        head.Items_Count, head.ItemsNotCopied_Count, head.CorruptedFilesCount, head.FilesCopied,
        head.ItemsFolders_Count, head.CurrentFile, head.TotalCopiedBytes, head.TotalLostBytes,
        continuable);
}

void ReportUpdater::rewriteItems(std::int64_t number, const std::vector<JobRecord>& items,
                                 const std::vector<std::size_t>& positions) {
    // Parameters numbered as in the item's insert, so that the same binding serves both.
    SQLite::Statement item(db_, R"sql(
        UPDATE job_items SET file_name = ?3, copied_bytes = ?4, start_position = ?5,
            is_done = ?6, damaged = ?7, owns_copy = ?8, link = ?9, length = ?10
        WHERE report = ?1 AND position = ?2)sql");
    SQLite::Statement dropRanges(db_, "DELETE FROM lost_ranges WHERE report = ? AND item = ?");
    SQLite::Statement addRange(db_, history_statements::InsertLostRange);
    for (const std::size_t position : positions) {
        const JobRecord& record = items.at(position);
        const auto stored = static_cast<std::int64_t>(position);
        history_statements::runItem(item, number, stored, record);
        run(dropRanges, number, stored);
        history_statements::insertRanges(addRange, number, stored, record.lost);
    }
}

void ReportUpdater::replaceDamage(std::int64_t number, const std::vector<DamageRecord>& damaged) {
    for (const char* table : {"damaged_files", "damaged_ranges"}) {
        SQLite::Statement statement(db_, std::string("DELETE FROM ") + table + " WHERE report = ?");
        run(statement, number);
    }
    ReportWriter(db_).insertDamage(number, damaged);
}

}  // namespace quorvex
