#pragma once

#include <string>
#include <string_view>

namespace quorvex {

// Turns the bytes of a language file into UTF-8 text. A valid UTF-8 file is taken as it is
// (less a leading byte-order mark); anything else is read as Windows-1252.
class TextDecoding {
public:
    static bool isValidUtf8(std::string_view bytes);
    static std::string fromWindows1252(std::string_view bytes);
    static std::string languageFileText(std::string_view bytes);
};

}  // namespace quorvex
