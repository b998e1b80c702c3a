#include "LanguageFileParser.h"

#include <algorithm>

#include "RunTimeError.h"

namespace quorvex {

namespace {

std::string trimmedBlanks(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

int LanguageFileParser::SplitQuoted(std::string_view text, PieceList& pieces,
                                    std::string_view separator) {
    std::string piece;
    bool quoted = false;
    int count = 0;
    const auto store = [&] {
        if (count == MaxEntries) return false;
        pieces[++count] = trimmedBlanks(piece);
        piece.clear();
        return true;
    };
    for (std::size_t at = 0; at < text.size();) {
        if (text[at] == '"') {
            quoted = !quoted;
            ++at;
        } else if (!quoted && !separator.empty() && text.substr(at).starts_with(separator)) {
            at += separator.size();
            if (at < text.size() && !store()) return count;
        } else {
            piece += text[at++];
        }
    }
    if (!piece.empty()) store();
    return count;
}

int LanguageFileParser::SplitTable(std::string_view text, ParsedTable& table,
                                   std::string_view columnSeparator,
                                   std::string_view entrySeparator, int maxEntries) {
    PieceList entries;
    SplitQuoted(text, entries, entrySeparator);
    const int lastEntry = std::clamp(maxEntries, 0, MaxEntries);
    for (int entry = 1; entry <= lastEntry; ++entry)
        splitColumns(entries[entry], columnSeparator, table[entry]);
    return maxEntries;
}

// A bar ends a column; a bar as the entry's last character starts no further column.
void LanguageFileParser::splitColumns(std::string_view entry, std::string_view separator,
                                      std::array<std::string, MaxColumns + 1>& row) {
    std::size_t start = 0;
    int column = 0;
    const auto store = [&](std::string_view text) {
        if (++column > MaxColumns)
            throw RunTimeError(ErrorNumber::SubscriptOutOfRange,
                               "a language entry has more than 20 texts");
        row[column] = std::string(text);
    };
    while (start < entry.size()) {
        const std::size_t bar = separator.empty() ? std::string_view::npos
                                                  : entry.find(separator, start);
        if (bar == std::string_view::npos) {
            store(entry.substr(start));
            return;
        }
        store(entry.substr(start, bar - start));
        start = bar + separator.size();
    }
}

}  // namespace quorvex
