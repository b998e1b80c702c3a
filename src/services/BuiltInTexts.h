#pragma once

#include <optional>
#include <string_view>

namespace quorvex {

// The packed language files, compiled into the program as the last place its texts are
// looked for, so that a program copied away from its data folder still shows them.
class BuiltInTexts {
  public:
    // The bytes of the built-in file of that name, or nothing when none is built in.
    static std::optional<std::string_view> find(std::string_view fileName);
};

}  // namespace quorvex
