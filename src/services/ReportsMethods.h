#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "Prompts.h"
#include "SharedState.h"

namespace quorvex {

// A column of the report history list: its header text (the same in every language) and its
// width in pixels; ListDefaultWidth leaves the list's own width, 0 hides the column.
struct HistoryColumn {
    const char* header;
    int width;
};

// A width in twips (1440 to the inch) in pixels at 96 to the inch: 1000 twips are 67 pixels.
constexpr int twipsToPixels(int twips) {
    return (twips * 96 + 720) / 1440;
}

// The report helpers of the window, without widgets.
class ReportsMethods {
public:
    static constexpr int ListDefaultWidth = -1;

    // Date, Time, Source, Destination, Files, Total Bytes, Bad Files, Lost Bytes, then the
    // hidden record number "R" and continuable count "Q" (the fields of HistoryRow).
    static constexpr std::array<HistoryColumn, 10> HistoryColumns{{
        {"Date", twipsToPixels(1100)},
        {"Time", twipsToPixels(900)},
        {"Source", ListDefaultWidth},
        {"Destination", ListDefaultWidth},
        {"Files", twipsToPixels(700)},
        {"Total Bytes", twipsToPixels(1100)},
        {"Bad Files", twipsToPixels(900)},
        {"Lost Bytes", twipsToPixels(1100)},
        {"R", 0},
        {"Q", 0},
    }};

    // Asks (main text 128) whether to clear the report history. Yes deletes the history file
    // with its journal files and gives true; No, or Yes when there is no history file, gives
    // false. RunTimeError when the file cannot be deleted.
    static bool ClearReportHistory(Prompts& prompts, const TextTable& mainText,
                                   const std::string& path);

    // The viewer's reference to one report: "PATH"/[NUMBER,9]
    static std::string ViewerReference(const std::string& path, std::int64_t number);
};

}  // namespace quorvex
