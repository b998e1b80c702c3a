#include "ReportReference.h"

#include <charconv>

namespace quorvex {

namespace {

std::optional<std::int64_t> wholeNumber(const std::string& text) {
    std::int64_t value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end) return std::nullopt;
    return value;
}

}  // namespace

std::optional<ReportReference> ReportReference::parse(const std::string& text) {
    // The path may itself hold quotes, so the last closing quote before "/[" ends it.
    const std::size_t close = text.rfind("\"/[");
    if (text.size() < 2 || text.front() != '"' || close == std::string::npos || close == 0)
        return std::nullopt;
    if (text.back() != ']') return std::nullopt;
    const std::string inside = text.substr(close + 3, text.size() - close - 4);
    const std::size_t comma = inside.find(',');
    if (comma == std::string::npos) return std::nullopt;
    const auto number = wholeNumber(inside.substr(0, comma));
    const auto count = wholeNumber(inside.substr(comma + 1));
    if (!number || !count || *number <= 0) return std::nullopt;
    const std::string path = text.substr(1, close - 1);
    if (path.empty()) return std::nullopt;
    return ReportReference{path, *number};
}

}  // namespace quorvex
