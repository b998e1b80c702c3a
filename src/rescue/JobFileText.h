#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quorvex {

// Path bytes as one blank-free word of a job file line. Printable ASCII stays as it is, a
// backslash is doubled and every other byte is written \xHH, so names with newlines, tabs,
// blanks or bytes that are not UTF-8 come back unchanged.
class JobFileText {
  public:
    static std::string escape(std::string_view bytes);
    // Nothing for a word that escape cannot have written, or one that would hold a NUL byte.
    static std::optional<std::string> unescape(std::string_view word);

  private:
    static std::optional<char> hexByte(std::string_view digits);
};

}  // namespace quorvex
