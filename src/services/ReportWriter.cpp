#include "ReportWriter.h"

#include <SQLiteCpp/Statement.h>

#include <array>
#include <string>

#include "HistoryStatements.h"

namespace quorvex {

namespace {

using history_statements::bindFrom;
using history_statements::flag;
using history_statements::insertRanges;
using history_statements::run;
using history_statements::runItem;

// The tables whose rows belong to a report through their `report` column.
constexpr std::array<const char*, 7> ListTables{"selected_items", "unread_folders", "left_out",
                                                "job_items",      "lost_ranges",    "damaged_files",
                                                "damaged_ranges"};

}  // namespace

std::int64_t ReportWriter::insert(const RunReport& report) {
    const std::int64_t number = insertSummary(report, std::nullopt);
    insertJob(number, report.job);
    insertDamage(number, report.damaged);
    return number;
}

bool ReportWriter::overwrite(const RunReport& report) {
    SQLite::Statement exists(db_, "SELECT 1 FROM reports WHERE number = ?");
    exists.bind(1, report.number);
    if (!exists.executeStep()) return false;
    removeRecord(report.number);
    insertSummary(report, report.number);
    insertJob(report.number, report.job);
    insertDamage(report.number, report.damaged);
    return true;
}

std::int64_t ReportWriter::insertSummary(const RunReport& report,
                                         std::optional<std::int64_t> number) {
    SQLite::Statement statement(db_, R"sql(
        INSERT INTO reports (number, started_at, ended_at, task, outcome, items_count,
            items_not_copied, corrupted_files, files_copied, folders_count, current_file,
            total_copied_bytes, total_lost_bytes, source, destination, walk_full, continuable)
        VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?))sql");
    // Without a number given, SQLite gives the next one.
    if (number) statement.bind(1, *number);
    bindFrom(statement, 2, report.startedAt, report.endedAt, report.task,
             static_cast<std::int32_t>(report.outcome), report.Items_Count,
             report.ItemsNotCopied_Count, report.CorruptedFilesCount, report.FilesCopied,
             report.ItemsFolders_Count, report.CurrentFile, report.TotalCopiedBytes,
             report.TotalLostBytes, report.job.source, report.job.destination,
             flag(report.job.walkFull), report.continuable());
    statement.exec();
    return db_.getLastInsertRowid();
}

void ReportWriter::insertJob(std::int64_t number, const SavedJob& job) {
    insertTexts("selected_items", number, job.selected);
    insertTexts("unread_folders", number, job.unreadFolders);
    insertLeftOut(number, job.leftOut);
    insertItems(number, job.items);
}

void ReportWriter::insertTexts(const char* table, std::int64_t number,
                               const std::vector<std::string>& texts) {
    SQLite::Statement statement(
        db_, std::string("INSERT INTO ") + table + " (report, position, path) VALUES (?, ?, ?)");
    for (std::size_t i = 0; i < texts.size(); ++i) {
        run(statement, number, static_cast<std::int64_t>(i), texts[i]);
    }
}

void ReportWriter::insertLeftOut(std::int64_t number,
                                 const std::vector<Selection::LeftOut>& leftOut) {
    SQLite::Statement statement(
        db_, "INSERT INTO left_out (report, position, path, reason) VALUES (?, ?, ?, ?)");
    for (std::size_t i = 0; i < leftOut.size(); ++i) {
        run(statement, number, static_cast<std::int64_t>(i), leftOut[i].path, leftOut[i].reason);
    }
}

void ReportWriter::insertItems(std::int64_t number, const std::vector<JobRecord>& items) {
    SQLite::Statement item(db_, R"sql(
        INSERT INTO job_items (report, position, file_name, copied_bytes, start_position,
            is_done, damaged, owns_copy, link, length)
        VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?))sql");
    SQLite::Statement range(db_, history_statements::InsertLostRange);
    for (std::size_t i = 0; i < items.size(); ++i) {
        const JobRecord& record = items[i];
        const auto position = static_cast<std::int64_t>(i);
        runItem(item, number, position, record);
        insertRanges(range, number, position, record.lost);
    }
}

void ReportWriter::insertDamage(std::int64_t number, const std::vector<DamageRecord>& damaged) {
    SQLite::Statement file(db_, R"sql(
        INSERT INTO damaged_files (report, position, source, destination, kept_beside,
            file_time, file_size, file_attr, lost_bytes, copied, range_text)
        VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?))sql");
    SQLite::Statement range(db_, R"sql(
        INSERT INTO damaged_ranges (report, file, position, first_byte, last_byte)
        VALUES (?, ?, ?, ?, ?))sql");
    for (std::size_t i = 0; i < damaged.size(); ++i) {
        const DamageRecord& record = damaged[i];
        const auto position = static_cast<std::int64_t>(i);
        run(file, number, position, record.source, record.destination, record.keptBeside,
            record.FileDTV, record.File1Size, record.FAttr, record.lostBytes, record.Copied,
            record.rangeText);
        insertRanges(range, number, position, record.ranges);
    }
}

void ReportWriter::removeRecord(std::int64_t number) {
    for (const char* table : ListTables) {
        SQLite::Statement statement(db_, std::string("DELETE FROM ") + table + " WHERE report = ?");
        run(statement, number);
    }
    SQLite::Statement statement(db_, "DELETE FROM reports WHERE number = ?");
    run(statement, number);
}

}  // namespace quorvex
