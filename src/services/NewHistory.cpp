#include "NewHistory.h"

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Transaction.h>
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "HistoryError.h"
#include "HistorySchema.h"

namespace quorvex {

namespace {

std::string folderOf(const std::string& path) {
    const std::string folder = std::filesystem::path(path).parent_path().string();
    return folder.empty() ? "." : folder;
}

HistoryError failure(const std::string& path, const std::string& what) {
    return HistoryError("The report history \"" + path + "\" cannot be made: " + what + " (" +
                        std::strerror(errno) + ").");
}

}  // namespace

void NewHistory::make() const {
    std::error_code folderFailure;
    std::filesystem::create_directories(folderOf(path_), folderFailure);
    if (folderFailure) {
        errno = folderFailure.value();
        throw failure(path_, "its folder cannot be made");
    }
    const std::string made = makeBeside();
    if (placeIsFree()) {
        // A journal beside a missing or empty history belongs to no history of ours now; left
        // there, SQLite would play it into the new file.
        removeStaleJournals();
        place(made);
    }
    std::filesystem::remove(made, folderFailure);
}

std::string NewHistory::makeBeside() const {
    std::string made = path_ + ".new-XXXXXX";
    const int descriptor = ::mkstemp(made.data());
    if (descriptor < 0) throw failure(path_, "no file can be made beside it");
    ::close(descriptor);
    try {
        SQLite::Database db(made, SQLite::OPEN_READWRITE);
        // The file is thrown away after a crash, so it needs no journal.
        db.exec("PRAGMA journal_mode = OFF");
        db.exec("PRAGMA synchronous = FULL");
        SQLite::Transaction transaction(db);
        HistorySchema::create(db);
        transaction.commit();
    } catch (...) {
        std::error_code ignored;
        std::filesystem::remove(made, ignored);
        throw;
    }
    return made;
}

bool NewHistory::placeIsFree() const {
    std::error_code missing;
    const auto size = std::filesystem::file_size(path_, missing);
    return missing ? !std::filesystem::exists(path_, missing) : size == 0;
}

void NewHistory::removeStaleJournals() const {
    for (const char* suffix : {"-journal", "-wal", "-shm"}) {
        std::error_code failed;
        std::filesystem::remove(path_ + suffix, failed);
        if (failed) {
            errno = failed.value();
            throw failure(path_, std::string("the old ") + suffix + " file cannot be deleted");
        }
    }
}

// A missing history is only ever taken without replacing what another program may have put
// there meanwhile; an empty file holds nothing to lose.
void NewHistory::place(const std::string& made) const {
    const bool emptyFile = std::filesystem::exists(path_);
    if (!emptyFile) {
        if (::renameat2(AT_FDCWD, made.c_str(), AT_FDCWD, path_.c_str(), RENAME_NOREPLACE) == 0) {
            syncFolder();
            return;
        }
        if (errno == EEXIST) return;
        if (errno != EINVAL && errno != ENOSYS) throw failure(path_, "it cannot be put in place");
    }
    if (::rename(made.c_str(), path_.c_str()) != 0) {
        throw failure(path_, "it cannot be put in place");
    }
    syncFolder();
}

void NewHistory::syncFolder() const {
    const int folder = ::open(folderOf(path_).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0) throw failure(path_, "its folder cannot be opened");
    const int synced = ::fsync(folder);
    ::close(folder);
    if (synced != 0) throw failure(path_, "its folder cannot be written to disk");
}

}  // namespace quorvex
