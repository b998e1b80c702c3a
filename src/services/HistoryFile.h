#pragma once

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Exception.h>

#include <optional>
#include <string>

#include "FileStamp.h"
#include "HistoryError.h"

namespace quorvex {

// Opens the report history file, after making sure it is a history of ours. A file that is
// not is only ever read: its first bytes by hand, then through a read-only connection. A new
// history takes the place only where there is no file or an empty one.
class HistoryFile {
public:
    explicit HistoryFile(std::string path) : path_(std::move(path)) {}

    // The checked history; nothing when there is no history yet.
    std::optional<SQLite::Database> openToRead() const;
    // The checked history, made with its folder when there is none yet. Every page of it is
    // verified first, unless the file still bears the stamp it had when last verified or
    // written.
    SQLite::Database openToWrite(const std::optional<FileStamp>& verified = std::nullopt) const;

    // A HistoryError naming the file: `The report history "PATH" <problem>.`
    HistoryError error(const std::string& problem) const;

    // Runs the action, reporting SQLite's failures as HistoryError.
    template <typename Action>
    auto guarded(Action action) const -> decltype(action()) {
        try {
            return action();
        } catch (const SQLite::Exception& failure) {
            throw error(problemOf(failure));
        }
    }

private:
    static std::string problemOf(const SQLite::Exception& failure);
    bool holdsData() const;
    void checkHeader() const;
    // A connection for reading or, when asked, for writing, after the checks; nothing when the
    // journal a crashed writer left undid the making of the file.
    std::optional<SQLite::Database> openExisting(bool forWriting, bool verifyPages) const;
    SQLite::Database create() const;
    void checkTables(SQLite::Database& db) const;
    void checkPages(SQLite::Database& db) const;
    static void prepareForWriting(SQLite::Database& db);

    std::string path_;
};

}  // namespace quorvex
