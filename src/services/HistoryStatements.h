#pragma once

#include <SQLiteCpp/Statement.h>

#include <cstdint>
#include <vector>

#include "ByteRange.h"
#include "SavedJob.h"

// Small helpers for the prepared statements that write the history's rows, shared by the code
// that stores a whole report and the code that brings a stored one up to date.
namespace quorvex::history_statements {

// Adds one lost range of a job item: report, item position, range position, first and last byte.
constexpr const char* InsertLostRange = R"sql(
    INSERT INTO lost_ranges (report, item, position, first_byte, last_byte)
    VALUES (?, ?, ?, ?, ?))sql";

// Binds the values to the statement's parameters in order, from the first one given.
template <typename... Values>
void bindFrom(SQLite::Statement& statement, int first, const Values&... values) {
    int index = first;
    (statement.bind(index++, values), ...);
}

// Binds the values to all of the statement's parameters, runs it and makes it ready again.
template <typename... Values>
void run(SQLite::Statement& statement, const Values&... values) {
    bindFrom(statement, 1, values...);
    statement.exec();
    statement.reset();
}

inline std::int32_t flag(bool value) {
    return value ? 1 : 0;
}

// Runs a statement whose parameters are (report, owner, position, first byte, last byte) for
// every range of the list.
inline void insertRanges(SQLite::Statement& statement, std::int64_t number, std::int64_t owner,
                         const std::vector<ByteRange>& ranges) {
    for (std::size_t i = 0; i < ranges.size(); ++i) {
        run(statement, number, owner, static_cast<std::int64_t>(i), ranges[i].start, ranges[i].end);
    }
}

// Runs a statement whose parameters are a job item's row: report, position, file name, copied
// bytes, start position, the done, damaged, owned-copy and link marks, and length.
inline void runItem(SQLite::Statement& statement, std::int64_t number, std::int64_t position,
                    const JobRecord& record) {
    run(statement, number, position, record.item.FileName, record.item.CopiedBytes,
        record.item.StartPosition, flag(record.item.isDone), flag(record.damaged),
        flag(record.ownsCopy), flag(record.link), record.length);
}

}  // namespace quorvex::history_statements
