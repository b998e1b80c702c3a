#include "ReportReader.h"

#include <SQLiteCpp/Statement.h>

#include <QDateTime>
#include <QLocale>

#include <string>

namespace quorvex {

namespace {

SQLite::Statement recordQuery(SQLite::Database& db, const std::string& sql, std::int64_t number) {
    SQLite::Statement query(db, sql);
    query.bind(1, number);
    return query;
}

constexpr const char* SummaryQuery = R"sql(
        SELECT started_at, ended_at, task, outcome, items_count, items_not_copied,
            corrupted_files, files_copied, folders_count, current_file, total_copied_bytes,
            total_lost_bytes, source, destination, walk_full
        FROM reports WHERE number = ?)sql";

constexpr const char* ItemsQuery = R"sql(
        SELECT file_name, copied_bytes, start_position, is_done, damaged, owns_copy, link, length
        FROM job_items WHERE report = ? ORDER BY position)sql";

constexpr const char* DamagedFilesQuery = R"sql(
        SELECT source, destination, kept_beside, file_time, file_size, file_attr, lost_bytes,
            copied, range_text
        FROM damaged_files WHERE report = ? ORDER BY position)sql";

bool flag(const SQLite::Column& column) {
    return column.getInt() != 0;
}

}  // namespace

std::optional<RunReport> ReportReader::load(std::int64_t number) {
    SQLite::Statement query = recordQuery(db_, SummaryQuery, number);
    if (!query.executeStep()) return std::nullopt;
    RunReport report;
    report.number = number;
    report.startedAt = query.getColumn(0).getInt64();
    report.endedAt = query.getColumn(1).getInt64();
    report.task = query.getColumn(2).getInt();
    const std::int32_t outcome = query.getColumn(3).getInt();
    if (outcome < 0 || outcome > static_cast<std::int32_t>(RunOutcome::Aborted)) {
        throw file_.error("is damaged: report " + std::to_string(number) +
                          " ended in an unknown way");
    }
    report.outcome = static_cast<RunOutcome>(outcome);
    report.Items_Count = query.getColumn(4).getInt();
    report.ItemsNotCopied_Count = query.getColumn(5).getInt();
    report.CorruptedFilesCount = query.getColumn(6).getInt();
    report.FilesCopied = query.getColumn(7).getInt();
    report.ItemsFolders_Count = query.getColumn(8).getInt();
    report.CurrentFile = query.getColumn(9).getInt();
    report.TotalCopiedBytes = query.getColumn(10).getInt64();
    report.TotalLostBytes = query.getColumn(11).getInt64();
    report.job.source = query.getColumn(12).getString();
    report.job.destination = query.getColumn(13).getString();
    report.job.walkFull = flag(query.getColumn(14));
    loadJob(report);
    loadDamage(report);
    return report;
}

std::vector<HistoryRow> ReportReader::rows() {
    SQLite::Statement query(db_, R"sql(
        SELECT number, CASE WHEN ended_at <> 0 THEN ended_at ELSE started_at END, source,
            destination, items_count, total_copied_bytes, corrupted_files, total_lost_bytes,
            continuable
        FROM reports ORDER BY number)sql");
    const QLocale locale;
    std::vector<HistoryRow> rows;
    while (query.executeStep()) {
        const QDateTime when = QDateTime::fromSecsSinceEpoch(query.getColumn(1).getInt64());
        HistoryRow row;
        row.number = query.getColumn(0).getInt64();
        row.date = locale.toString(when.date(), QLocale::ShortFormat).toStdString();
        row.time = locale.toString(when.time(), QLocale::ShortFormat).toStdString();
        row.source = query.getColumn(2).getString();
        row.destination = query.getColumn(3).getString();
        row.files = query.getColumn(4).getInt();
        row.totalBytes = query.getColumn(5).getInt64();
        row.badFiles = query.getColumn(6).getInt();
        row.lostBytes = query.getColumn(7).getInt64();
        row.continuable = query.getColumn(8).getInt();
        rows.push_back(std::move(row));
    }
    return rows;
}

void ReportReader::loadJob(RunReport& report) {
    report.job.selected = loadTexts("selected_items", report.number);
    report.job.unreadFolders = loadTexts("unread_folders", report.number);
    loadLeftOut(report);
    loadItems(report);
}

std::vector<std::string> ReportReader::loadTexts(const char* table, std::int64_t number) {
    SQLite::Statement query = recordQuery(
        db_, std::string("SELECT path FROM ") + table + " WHERE report = ? ORDER BY position",
        number);
    std::vector<std::string> texts;
    while (query.executeStep()) texts.push_back(query.getColumn(0).getString());
    return texts;
}

void ReportReader::loadLeftOut(RunReport& report) {
    SQLite::Statement query = recordQuery(
        db_, "SELECT path, reason FROM left_out WHERE report = ? ORDER BY position", report.number);
    while (query.executeStep()) {
        report.job.leftOut.push_back(
            {query.getColumn(0).getString(), query.getColumn(1).getString()});
    }
}

void ReportReader::loadItems(RunReport& report) {
    SQLite::Statement query = recordQuery(db_, ItemsQuery, report.number);
    while (query.executeStep()) {
        JobRecord record;
        record.item.FileName = query.getColumn(0).getString();
        record.item.CopiedBytes = query.getColumn(1).getInt64();
        record.item.StartPosition = query.getColumn(2).getInt64();
        record.item.isDone = flag(query.getColumn(3));
        record.damaged = flag(query.getColumn(4));
        record.ownsCopy = flag(query.getColumn(5));
        record.link = flag(query.getColumn(6));
        record.length = query.getColumn(7).getInt64();
        report.job.items.push_back(std::move(record));
    }
    loadRanges("lost_ranges", "item", report.number, report.job.items,
               [](JobRecord& record) -> std::vector<ByteRange>& { return record.lost; });
}

void ReportReader::loadDamage(RunReport& report) {
    SQLite::Statement query = recordQuery(db_, DamagedFilesQuery, report.number);
    while (query.executeStep()) {
        DamageRecord record;
        record.source = query.getColumn(0).getString();
        record.destination = query.getColumn(1).getString();
        record.keptBeside = query.getColumn(2).getString();
        record.FileDTV = query.getColumn(3).getString();
        record.File1Size = query.getColumn(4).getInt64();
        record.FAttr = query.getColumn(5).getInt();
        record.lostBytes = query.getColumn(6).getInt64();
        record.Copied = query.getColumn(7).getInt64();
        record.rangeText = query.getColumn(8).getString();
        report.damaged.push_back(std::move(record));
    }
    loadRanges("damaged_ranges", "file", report.number, report.damaged,
               [](DamageRecord& record) -> std::vector<ByteRange>& { return record.ranges; });
}

template <typename Owners, typename RangesOf>
void ReportReader::loadRanges(const char* table, const char* owner, std::int64_t number,
                              Owners& owners, RangesOf rangesOf) {
    SQLite::Statement query =
        recordQuery(db_,
                    std::string("SELECT ") + owner + ", first_byte, last_byte FROM " + table +
                        " WHERE report = ? ORDER BY " + owner + ", position",
                    number);
    while (query.executeStep()) {
        const std::int64_t index = query.getColumn(0).getInt64();
        if (index < 0 || index >= static_cast<std::int64_t>(owners.size())) {
            throw file_.error("is damaged: a range of report " + std::to_string(number) +
                              " belongs to no entry of it");
        }
        rangesOf(owners[static_cast<std::size_t>(index)])
            .push_back({query.getColumn(1).getInt64(), query.getColumn(2).getInt64()});
    }
}

}  // namespace quorvex
