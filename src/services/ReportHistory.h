#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "FileStamp.h"
#include "HistoryRow.h"
#include "RunReport.h"

namespace quorvex {

// The history of recovery reports in one SQLite file ("reports.sir" in the user's data
// folder). A missing file is an empty history; the first append creates it and its folder.
// Every write is one transaction with a synchronous rollback journal, so a crash or a power
// loss leaves either the report whole or no trace of it. A file that is not a history of
// ours (another program's database, any other file, a damaged or cut-short history, one of a
// newer version) raises HistoryError and is never written to.
// Each call opens the file and closes it again, so the file may be cleared between calls.
// Before writing, every page of the file is verified once (which takes time in proportion to
// its size); keep one ReportHistory for the writes of a run, and later writes skip that while
// the file is as this object left it.
class ReportHistory {
public:
    explicit ReportHistory(std::string path);

    // Stores the report as a new record and returns its number (the report's own number is
    // ignored). Numbers rise and are never given twice within one file.
    std::int64_t append(const RunReport& report);
    // Replaces all of the record numbered report.number by the report, for runs stored as they
    // go. HistoryError when there is no such record.
    void replace(const RunReport& report);
    // Brings the record numbered head.number up to date with a run that goes on or has ended,
    // far faster than replace when few items changed: the summary row from head (end time,
    // task, outcome and the figures; start time, roots and the walk's lists stay as stored),
    // its continuable count from head.outcome and job, the job items at the given positions
    // (in any order, repeats allowed) with their lost ranges from job.items, and the damaged
    // files from head.damaged. head.job is not read. HistoryError when there is no such
    // record or a position lies outside the stored job or job.items; nothing is changed then.
    void update(const RunReport& head, const SavedJob& job,
                const std::vector<std::size_t>& changed);
    // One row per record, in record order.
    std::vector<HistoryRow> rows() const;
    // The whole record; HistoryError when there is no such record.
    RunReport load(std::int64_t number) const;

    // Deletes the history file with the journal files SQLite may have left beside it.
    // Returns whether the history file itself existed. RunTimeError (with the error table's
    // number) when something there cannot be deleted.
    static bool removeFile(const std::string& path);

    const std::string& path() const { return path_; }

private:
    std::string path_;
    // The file as this object last verified or wrote it.
    std::optional<FileStamp> verified_;
};

}  // namespace quorvex
