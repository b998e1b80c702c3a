#pragma once

#include <array>
#include <string>
#include <string_view>

namespace quorvex {

// Cuts a language file's text into entries and each entry into one text per language.
class LanguageFileParser {
public:
    static constexpr int MaxEntries = 150;
    static constexpr int MaxColumns = 20;

    // Pieces 1..150; piece 0 is never filled.
    using PieceList = std::array<std::string, MaxEntries + 1>;
    // Cells (entry 0..150, column 0..20); row 0 and column 0 are never filled.
    using ParsedTable = std::array<std::array<std::string, MaxColumns + 1>, MaxEntries + 1>;

    // Cuts the text at each separator outside double quotes; the quotes themselves are dropped
    // and every piece is trimmed of blanks. A separator at the very end makes no further piece.
    // Returns how many pieces were stored (at most 150).
    static int SplitQuoted(std::string_view text, PieceList& pieces, std::string_view separator);

    // Fills cell (entry, column) for up to maxEntries entries; an entry with more than 20
    // columns is a subscript error. Returns maxEntries.
    static int SplitTable(std::string_view text, ParsedTable& table,
                          std::string_view columnSeparator, std::string_view entrySeparator,
                          int maxEntries);

private:
    static void splitColumns(std::string_view entry, std::string_view separator,
                             std::array<std::string, MaxColumns + 1>& row);
};

}  // namespace quorvex
