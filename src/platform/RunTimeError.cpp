#include "RunTimeError.h"

#include "ErrorTable.h"

namespace quorvex {

RunTimeError::RunTimeError(int number, const std::string& detail)
    : std::runtime_error(std::string(ErrorTable::describe(number)) +
                         (detail.empty() ? "" : ": " + detail)),
      number_(number) {}

}  // namespace quorvex
