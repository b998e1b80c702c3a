#pragma once

#include <cstdint>
#include <string>

namespace SQLite {
class Database;
}

namespace quorvex {

// The tables of the report history file and the marks that tell it is ours.
class HistorySchema {
public:
    // PRAGMA application_id of every history file: "QVXR".
    static constexpr std::int32_t ApplicationId = 0x51565852;
    // PRAGMA user_version: the layout of the tables below. A file of a higher version comes
    // from a newer program and is not read.
    static constexpr std::int32_t Version = 1;

    // Creates the tables and sets both marks; called inside the transaction that makes the file.
    static void create(SQLite::Database& db);
    // The name of a table the file lacks, or an empty text when it has them all.
    static std::string missingTable(SQLite::Database& db);
};

}  // namespace quorvex
