#pragma once

#include <string>

namespace quorvex {

// The browser's small path functions. Folders end with "/".
class PathRules {
public:
    // The parent folder with its trailing "/": "/data/old/" and "/data/old" give "/data/";
    // "/" gives "/". A path without a parent is returned unchanged.
    static std::string PathBack(const std::string& path);
    // The text before the last "/"; the path itself when it holds none.
    static std::string GetPathToFileNames(const std::string& path);
    // The text before the first NUL of a fixed-length buffer; all of it when it holds none.
    static std::string StrZToStr(const std::string& text);
    static std::string withSlash(std::string path);
};

}  // namespace quorvex
