#pragma once

#include <string>

namespace quorvex {

// Makes a new, empty report history. The tables are made in a file of their own beside the
// history's place, which is then renamed into that place, so that a crash never leaves a
// half-made history behind: only a stray "reports.sir.new-*" file at worst.
class NewHistory {
public:
    explicit NewHistory(std::string path) : path_(std::move(path)) {}

    // Puts a new history where there is no file or an empty one; leaves any other file that
    // took the place meanwhile as it is. Throws HistoryError or SQLite::Exception on failure.
    void make() const;

private:
    std::string makeBeside() const;
    bool placeIsFree() const;
    void removeStaleJournals() const;
    void place(const std::string& made) const;
    void syncFolder() const;

    std::string path_;
};

}  // namespace quorvex
