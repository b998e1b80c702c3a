#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace quorvex {

// The report viewer's reference to one stored report, "PATH"/[NUMBER,COUNT] as the history page
// builds it: the history file and the record number. The trailing count is accepted and not used.
struct ReportReference {
    std::string path;
    std::int64_t number = 0;

    // Nothing when the text is not such a reference or names record 0 or less.
    static std::optional<ReportReference> parse(const std::string& text);
};

}  // namespace quorvex
