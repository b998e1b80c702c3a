#pragma once

#include <string>

namespace quorvex {

// One row of the browser: a subfolder or a file of the folder shown, by its exact name bytes.
struct BrowserRow {
    std::string name;
    bool folder = false;
    // The row's picture in the browser's picture list (see ExtensionSlots).
    int picture = 0;
};

}  // namespace quorvex
