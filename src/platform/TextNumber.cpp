#include "TextNumber.h"

#include <cctype>
#include <charconv>
#include <string>

namespace quorvex {

namespace {

bool isDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

std::size_t skipDigits(std::string_view text, std::size_t at) {
    while (at < text.size() && isDigit(text[at])) ++at;
    return at;
}

std::size_t numberEnd(std::string_view text) {
    std::size_t end = 0;
    if (end < text.size() && (text[end] == '+' || text[end] == '-')) ++end;
    const std::size_t digitsStart = end;
    end = skipDigits(text, end);
    if (end < text.size() && text[end] == '.') end = skipDigits(text, end + 1);
    if (end == digitsStart || (end == digitsStart + 1 && text[digitsStart] == '.')) return 0;
    if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
        std::size_t exponent = end + 1;
        if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-'))
            ++exponent;
        if (exponent < text.size() && isDigit(text[exponent])) end = skipDigits(text, exponent);
    }
    return end;
}

}  // namespace

double TextNumber::leadingValue(std::string_view text) {
    const std::size_t start = text.find_first_not_of(" \t");
    if (start == std::string_view::npos) return 0.0;
    text.remove_prefix(start);
    std::string number(text.substr(0, numberEnd(text)));
    if (number.empty()) return 0.0;
    if (number.front() == '+') number.erase(0, 1);
    double value = 0.0;
    std::from_chars(number.data(), number.data() + number.size(), value);
    return value;
}

}  // namespace quorvex
