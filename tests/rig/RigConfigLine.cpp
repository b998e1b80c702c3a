#include "RigConfigLine.h"

#include <charconv>
#include <limits>
#include <stdexcept>

namespace quorvex::test {
namespace {

bool isBlank(char character) { return character == ' ' || character == '\t' || character == '\r'; }

std::uint64_t multiplierFor(std::string_view suffix) {
    if (suffix.empty()) return 1;
    if (suffix == "K") return std::uint64_t{1} << 10;
    if (suffix == "M") return std::uint64_t{1} << 20;
    if (suffix == "G") return std::uint64_t{1} << 30;
    throw std::invalid_argument("unknown size suffix \"" + std::string(suffix) + "\"");
}

}  // namespace

RigConfigLine::RigConfigLine(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size()) {
        if (isBlank(text[at])) {
            ++at;
        } else if (text[at] == '#') {
            break;
        } else if (text[at] == '"') {
            const std::size_t end = text.find('"', at + 1);
            if (end == std::string_view::npos) throw std::invalid_argument("unterminated quote");
            words_.emplace_back(text.substr(at + 1, end - at - 1));
            at = end + 1;
        } else {
            std::size_t end = at;
            while (end < text.size() && !isBlank(text[end])) ++end;
            words_.emplace_back(text.substr(at, end - at));
            at = end;
        }
    }
}

void RigConfigLine::expectArguments(std::size_t count) const {
    if (words_.size() != count + 1)
        throw std::invalid_argument("\"" + directive() + "\" takes " + std::to_string(count) +
                                    " arguments");
}

std::uint64_t RigConfigLine::number(std::size_t argument) const {
    const std::string& word = text(argument);
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error != std::errc() || end == word.data())
        throw std::invalid_argument("\"" + word + "\" is not a number");
    const std::uint64_t multiplier = multiplierFor({end, word.data() + word.size()});
    // Sizes and offsets become off_t in the kernel, so they stay within its range.
    constexpr auto largest = static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max());
    if (value > largest / multiplier)
        throw std::invalid_argument("\"" + word + "\" is too large");
    return value * multiplier;
}

}  // namespace quorvex::test
