#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace quorvex {

// Texts joined in one allocation. Joining with + makes a string per step, and the string
// kept has room for about twice its first part.
class JoinedText {
public:
    static std::string of(std::initializer_list<std::string_view> parts) {
        std::size_t length = 0;
        for (const std::string_view part : parts) length += part.size();
        std::string text;
        text.reserve(length);
        for (const std::string_view part : parts) text.append(part);
        return text;
    }
};

}  // namespace quorvex
