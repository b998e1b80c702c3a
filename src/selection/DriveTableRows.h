#pragma once

#include <array>
#include <string>
#include <vector>

namespace quorvex {

// The table of fixed drives beside the temporary folder: its columns and its rows of text.
struct DriveTableRows {
    struct Column {
        std::string caption;
        // In pixels; the window's twips at 15 to the pixel.
        int width;
    };
    static constexpr std::size_t ColumnCount = 6;
    using Row = std::array<std::string, ColumnCount>;

    std::array<Column, ColumnCount> columns{{{"#", 20},
                                             {"Type", 67},
                                             {"File System", 73},
                                             {"Label", 100},
                                             {"Size", 67},
                                             {"Free Space", 67}}};
    std::vector<Row> rows;
};

}  // namespace quorvex
