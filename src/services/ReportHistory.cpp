// The history file is an SQLite database in rollback-journal mode with synchronous=FULL, marked
// by PRAGMA application_id ("QVXR") and PRAGMA user_version (the layout below, now 1).
// Every report is one row of `reports` and rows keyed by its number in the other tables;
// a position column keeps each list in its order (0-based).
//
//   reports         number (the record number), start and end time in seconds since the epoch,
//                   task, outcome (RunOutcome), the summary figures, the job's source and
//                   destination roots, whether the walk stopped at its limit, and the
//                   continuable count of the list's hidden column
//   selected_items  the job's items named by the user, relative to the source root
//   unread_folders  folders the walk could not read to their end
//   left_out        what the walk saw but does not copy, with the reason
//   job_items       every item of the job list with its offsets and done, damaged, owned-copy
//                   and link marks and its length
//   lost_ranges     the lost byte ranges of a job item (1-based, inclusive)
//   damaged_files   every damaged file as the engine recorded it
//   damaged_ranges  the damaged byte ranges of a damaged file
#include "ReportHistory.h"

#include <SQLiteCpp/Transaction.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>

#include "ErrorTable.h"
#include "HistoryFile.h"
#include "ReportReader.h"
#include "ReportUpdater.h"
#include "ReportWriter.h"
#include "RunTimeError.h"

namespace quorvex {

ReportHistory::ReportHistory(std::string path) : path_(std::move(path)) {}

std::int64_t ReportHistory::append(const RunReport& report) {
    const HistoryFile file(path_);
    return file.guarded([&] {
        SQLite::Database db = file.openToWrite(verified_);
        SQLite::Transaction transaction(db, SQLite::TransactionBehavior::IMMEDIATE);
        const std::int64_t number = ReportWriter(db).insert(report);
        transaction.commit();
        verified_ = FileStamp::of(path_);
        return number;
    });
}

void ReportHistory::replace(const RunReport& report) {
    const HistoryFile file(path_);
    file.guarded([&] {
        SQLite::Database db = file.openToWrite(verified_);
        SQLite::Transaction transaction(db, SQLite::TransactionBehavior::IMMEDIATE);
        if (!ReportWriter(db).overwrite(report)) {
            throw file.error("holds no report number " + std::to_string(report.number));
        }
        transaction.commit();
        verified_ = FileStamp::of(path_);
    });
}

void ReportHistory::update(const RunReport& head, const SavedJob& job,
                           const std::vector<std::size_t>& changed) {
    const HistoryFile file(path_);
    file.guarded([&] {
        SQLite::Database db = file.openToWrite(verified_);
        SQLite::Transaction transaction(db, SQLite::TransactionBehavior::IMMEDIATE);
        ReportUpdater updater(db);
        const std::optional<std::size_t> stored = updater.storedItemCount(head.number);
        if (!stored) throw file.error("holds no report number " + std::to_string(head.number));
        const std::size_t bound = std::min(*stored, job.items.size());
        for (const std::size_t position : changed) {
            if (position >= bound) {
                throw file.error("holds no item at position " + std::to_string(position) +
                                 " of report number " + std::to_string(head.number));
            }
        }
        updater.updateSummary(head, RunReport::continuableOf(head.outcome, job));
        updater.rewriteItems(head.number, job.items, changed);
        updater.replaceDamage(head.number, head.damaged);
        transaction.commit();
        verified_ = FileStamp::of(path_);
    });
}

std::vector<HistoryRow> ReportHistory::rows() const {
    const HistoryFile file(path_);
    return file.guarded([&] {
        std::optional<SQLite::Database> db = file.openToRead();
        if (!db) return std::vector<HistoryRow>{};
        SQLite::Transaction transaction(*db);
        return ReportReader(*db, file).rows();
    });
}

RunReport ReportHistory::load(std::int64_t number) const {
    const HistoryFile file(path_);
    return file.guarded([&] {
        std::optional<SQLite::Database> db = file.openToRead();
        std::optional<RunReport> report;
        if (db) {
            SQLite::Transaction transaction(*db);
            report = ReportReader(*db, file).load(number);
        }
        if (!report) throw file.error("holds no report number " + std::to_string(number));
        return std::move(*report);
    });
}

bool ReportHistory::removeFile(const std::string& path) {
    std::error_code ignored;
    if (std::filesystem::is_directory(std::filesystem::symlink_status(path, ignored))) {
        throw RunTimeError(ErrorTable::fromErrno(EISDIR), "cannot delete " + path + ": a folder");
    }
    bool existed = false;
    for (const char* suffix : {"", "-journal", "-wal", "-shm"}) {
        std::error_code failure;
        const bool removed = std::filesystem::remove(path + suffix, failure);
        if (failure) {
            throw RunTimeError(ErrorTable::fromErrno(failure.value()),
                               "cannot delete " + path + suffix + ": " + failure.message());
        }
        if (*suffix == '\0') existed = removed;
    }
    return existed;
}

}  // namespace quorvex
