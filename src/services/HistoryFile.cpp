#include "HistoryFile.h"

#include <SQLiteCpp/Statement.h>
#include <sqlite3.h>

#include <array>
#include <filesystem>
#include <fstream>

#include "HistorySchema.h"
#include "NewHistory.h"

namespace quorvex {

namespace {

constexpr int BusyTimeoutMs = 5000;
constexpr std::size_t HeaderSize = 100;
constexpr char Magic[] = "SQLite format 3";
constexpr std::size_t UserVersionOffset = 60;
constexpr std::size_t ApplicationIdOffset = 68;

std::int64_t bigEndianAt(const std::array<unsigned char, HeaderSize>& header, std::size_t offset) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) value = (value << 8) | header[offset + i];
    return static_cast<std::int32_t>(value);
}

}  // namespace

HistoryError HistoryFile::error(const std::string& problem) const {
    return HistoryError("The report history \"" + path_ + "\" " + problem + ".");
}

std::string HistoryFile::problemOf(const SQLite::Exception& failure) {
    const std::string detail = failure.what();
    switch (failure.getErrorCode()) {
        case SQLITE_NOTADB:
            return "is not a Quorvex report history: it is not an SQLite database";
        case SQLITE_CORRUPT:
            return "is damaged (" + detail + ")";
        case SQLITE_FULL:
            return "cannot be written: the disk is full";
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
            return "is in use by another program";
        case SQLITE_CANTOPEN:
        case SQLITE_PERM:
        case SQLITE_READONLY:
        case SQLITE_AUTH:
            return "cannot be opened for writing (" + detail + ")";
        default:
            return "cannot be used (" + detail + ")";
    }
}

std::optional<SQLite::Database> HistoryFile::openToRead() const {
    if (!holdsData()) return std::nullopt;
    return openExisting(false, false);
}

SQLite::Database HistoryFile::openToWrite(const std::optional<FileStamp>& verified) const {
    if (!holdsData()) return create();
    const bool unchanged = verified && FileStamp::of(path_) == verified;
    std::optional<SQLite::Database> db = openExisting(true, !unchanged);
    if (!db) return create();
    prepareForWriting(*db);
    return std::move(*db);
}

bool HistoryFile::holdsData() const {
    std::error_code failure;
    const auto status = std::filesystem::status(path_, failure);
    if (!std::filesystem::exists(status)) return false;
    if (!std::filesystem::is_regular_file(status)) throw error("is not a file");
    return std::filesystem::file_size(path_, failure) > 0;
}

void HistoryFile::checkHeader() const {
    std::array<unsigned char, HeaderSize> header{};
    std::ifstream file(path_, std::ios::binary);
    if (!file) throw error("cannot be opened for reading");
    file.read(reinterpret_cast<char*>(header.data()), HeaderSize);
    if (static_cast<std::size_t>(file.gcount()) < HeaderSize ||
        !std::equal(std::begin(Magic), std::end(Magic), header.begin())) {
        throw error("is not a Quorvex report history: it is not an SQLite database");
    }
    if (bigEndianAt(header, ApplicationIdOffset) != HistorySchema::ApplicationId) {
        throw error("is not a Quorvex report history: it is the database of another program");
    }
    const std::int64_t version = bigEndianAt(header, UserVersionOffset);
    if (version > HistorySchema::Version) {
        throw error("was written by a newer version of Quorvex (history version " +
                    std::to_string(version) + ", this version reads up to " +
                    std::to_string(HistorySchema::Version) + ")");
    }
    if (version < 1) throw error("is damaged: it carries no history version");
}

// The header is checked first, by hand, so that nothing but a history of ours is opened by
// SQLite. A read-only connection then checks the tables. When a program died in the middle of
// a write, the journal it left must be played back before the file can be read, which only a
// writing connection does; the header already showed the file is ours.
std::optional<SQLite::Database> HistoryFile::openExisting(bool forWriting, bool verifyPages) const {
    checkHeader();
    bool journalLeft = false;
    try {
        SQLite::Database db(path_, SQLite::OPEN_READONLY, BusyTimeoutMs);
        checkTables(db);
        if (verifyPages) checkPages(db);
        if (!forWriting) return db;
    } catch (const SQLite::Exception& failure) {
        if (failure.getExtendedErrorCode() != SQLITE_READONLY_ROLLBACK) throw;
        journalLeft = true;
    }
    SQLite::Database db(path_, SQLite::OPEN_READWRITE, BusyTimeoutMs);
    if (journalLeft) {
        // The first read plays the journal back; what it leaves is checked again.
        db.execAndGet("SELECT count(*) FROM sqlite_schema");
        if (!holdsData()) return std::nullopt;
        checkTables(db);
        if (verifyPages) checkPages(db);
    }
    return db;
}

SQLite::Database HistoryFile::create() const {
    NewHistory(path_).make();
    std::optional<SQLite::Database> db = openExisting(true, true);
    if (!db) throw error("cannot be made: it was emptied while it was made");
    prepareForWriting(*db);
    return std::move(*db);
}

void HistoryFile::checkTables(SQLite::Database& db) const {
    const std::string missing = HistorySchema::missingTable(db);
    if (!missing.empty()) throw error("is damaged: it has no table \"" + missing + "\"");
}

void HistoryFile::checkPages(SQLite::Database& db) const {
    const std::string verdict = db.execAndGet("PRAGMA quick_check(1)").getString();
    if (verdict != "ok") throw error("is damaged (" + verdict + ")");
}

void HistoryFile::prepareForWriting(SQLite::Database& db) {
    db.exec("PRAGMA journal_mode = DELETE");
    db.exec("PRAGMA synchronous = FULL");
}

}  // namespace quorvex
