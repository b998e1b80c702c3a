#include "JobFileText.h"

#include <charconv>

namespace quorvex {

namespace {

bool isPlain(unsigned char byte) {
    return byte > 0x20 && byte < 0x7F && byte != '\\';
}

}  // namespace

std::string JobFileText::escape(std::string_view bytes) {
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string word;
    word.reserve(bytes.size());
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (isPlain(byte)) {
            word += c;
        } else if (c == '\\') {
            word += "\\\\";
        } else {
            word += "\\x";
            word += digits[byte >> 4];
            word += digits[byte & 0x0F];
        }
    }
    return word;
}

std::optional<std::string> JobFileText::unescape(std::string_view word) {
    std::string bytes;
    for (std::size_t index = 0; index < word.size(); ++index) {
        const auto byte = static_cast<unsigned char>(word[index]);
        if (isPlain(byte)) {
            bytes += word[index];
        } else if (word.substr(index, 2) == "\\\\") {
            bytes += '\\';
            ++index;
        } else if (word.substr(index, 2) == "\\x" && index + 4 <= word.size()) {
            const auto value = hexByte(word.substr(index + 2, 2));
            if (!value || *value == '\0') return std::nullopt;
            bytes += *value;
            index += 3;
        } else {
            return std::nullopt;
        }
    }
    return bytes;
}

std::optional<char> JobFileText::hexByte(std::string_view digits) {
    unsigned value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + 2, value, 16);
    if (error != std::errc() || end != digits.data() + 2) return std::nullopt;
    return static_cast<char>(value);
}

}  // namespace quorvex
