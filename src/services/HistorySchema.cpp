#include "HistorySchema.h"

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>

#include <array>

namespace quorvex {

namespace {

constexpr std::array<const char*, 8> TableNames{"reports",       "selected_items", "unread_folders",
                                                "left_out",      "job_items",      "lost_ranges",
                                                "damaged_files", "damaged_ranges"};

constexpr const char* Tables = R"sql(
CREATE TABLE reports (
    number INTEGER PRIMARY KEY AUTOINCREMENT,
    started_at INTEGER NOT NULL,
    ended_at INTEGER NOT NULL,
    task INTEGER NOT NULL,
    outcome INTEGER NOT NULL,
    items_count INTEGER NOT NULL,
    items_not_copied INTEGER NOT NULL,
    corrupted_files INTEGER NOT NULL,
    files_copied INTEGER NOT NULL,
    folders_count INTEGER NOT NULL,
    current_file INTEGER NOT NULL,
    total_copied_bytes INTEGER NOT NULL,
    total_lost_bytes INTEGER NOT NULL,
    source TEXT NOT NULL,
    destination TEXT NOT NULL,
    walk_full INTEGER NOT NULL,
    continuable INTEGER NOT NULL);
CREATE TABLE selected_items (
    report INTEGER NOT NULL, position INTEGER NOT NULL, path TEXT NOT NULL,
    PRIMARY KEY (report, position)) WITHOUT ROWID;
CREATE TABLE unread_folders (
    report INTEGER NOT NULL, position INTEGER NOT NULL, path TEXT NOT NULL,
    PRIMARY KEY (report, position)) WITHOUT ROWID;
CREATE TABLE left_out (
    report INTEGER NOT NULL, position INTEGER NOT NULL, path TEXT NOT NULL, reason TEXT NOT NULL,
    PRIMARY KEY (report, position)) WITHOUT ROWID;
CREATE TABLE job_items (
    report INTEGER NOT NULL, position INTEGER NOT NULL, file_name TEXT NOT NULL,
    copied_bytes INTEGER NOT NULL, start_position INTEGER NOT NULL, is_done INTEGER NOT NULL,
    damaged INTEGER NOT NULL, owns_copy INTEGER NOT NULL, link INTEGER NOT NULL,
    length INTEGER NOT NULL,
    PRIMARY KEY (report, position)) WITHOUT ROWID;
CREATE TABLE lost_ranges (
    report INTEGER NOT NULL, item INTEGER NOT NULL, position INTEGER NOT NULL,
    first_byte INTEGER NOT NULL, last_byte INTEGER NOT NULL,
    PRIMARY KEY (report, item, position)) WITHOUT ROWID;
CREATE TABLE damaged_files (
    report INTEGER NOT NULL, position INTEGER NOT NULL, source TEXT NOT NULL,
    destination TEXT NOT NULL, kept_beside TEXT NOT NULL, file_time TEXT NOT NULL,
    file_size INTEGER NOT NULL, file_attr INTEGER NOT NULL, lost_bytes INTEGER NOT NULL,
    copied INTEGER NOT NULL, range_text TEXT NOT NULL,
    PRIMARY KEY (report, position)) WITHOUT ROWID;
CREATE TABLE damaged_ranges (
    report INTEGER NOT NULL, file INTEGER NOT NULL, position INTEGER NOT NULL,
    first_byte INTEGER NOT NULL, last_byte INTEGER NOT NULL,
    PRIMARY KEY (report, file, position)) WITHOUT ROWID;
)sql";

}  // namespace

void HistorySchema::create(SQLite::Database& db) {
    db.exec(Tables);
    db.exec("PRAGMA application_id = " + std::to_string(ApplicationId));
    db.exec("PRAGMA user_version = " + std::to_string(Version));
}

std::string HistorySchema::missingTable(SQLite::Database& db) {
    SQLite::Statement query(db,
                            "SELECT count(*) FROM sqlite_schema WHERE type = 'table' AND name = ?");
    for (const char* name : TableNames) {
        query.bind(1, name);
        query.executeStep();
        const bool present = query.getColumn(0).getInt() == 1;
        query.reset();
        if (!present) return name;
    }
    return {};
}

}  // namespace quorvex
