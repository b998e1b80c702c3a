#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quorvex::test {

// One line of a rig configuration split into words. Words are separated by blanks; a word in
// double quotes may hold blanks; "#" outside quotes starts a comment. Errors throw
// std::invalid_argument.
class RigConfigLine {
public:
    explicit RigConfigLine(std::string_view text);

    bool empty() const { return words_.empty(); }
    const std::string& directive() const { return words_.front(); }
    // Throws unless the line has the directive and exactly this many arguments.
    void expectArguments(std::size_t count) const;
    const std::string& text(std::size_t argument) const { return words_.at(argument + 1); }
    // A decimal count, optionally followed by K, M or G (binary multiples).
    std::uint64_t number(std::size_t argument) const;

private:
    std::vector<std::string> words_;
};

}  // namespace quorvex::test
