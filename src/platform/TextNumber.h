#pragma once

#include <string_view>

namespace quorvex {

// The numeric value at the start of a text: blanks are skipped, then an optional sign, digits,
// a decimal point and an exponent are taken as far as they go. A text without a number is 0.
class TextNumber {
public:
    static double leadingValue(std::string_view text);
};

}  // namespace quorvex
