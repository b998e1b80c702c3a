#pragma once

#include <stdexcept>
#include <string>

namespace quorvex {

// The report history cannot be used: the file is not a history of ours, is damaged, comes from
// a newer version of the program, or holds no report of the number asked for. The message
// names the file and says what is wrong in plain English.
class HistoryError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace quorvex
