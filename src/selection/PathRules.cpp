#include "PathRules.h"

namespace quorvex {

std::string PathRules::PathBack(const std::string& path) {
    if (path.size() < 2) return path;
    const std::size_t slash = path.rfind('/', path.size() - 2);
    return slash == std::string::npos ? path : path.substr(0, slash + 1);
}

std::string PathRules::GetPathToFileNames(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(0, slash);
}

std::string PathRules::StrZToStr(const std::string& text) {
    return text.substr(0, text.find('\0'));
}

std::string PathRules::withSlash(std::string path) {
    if (path.empty() || path.back() != '/') path += '/';
    return path;
}

}  // namespace quorvex
