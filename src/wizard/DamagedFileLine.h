#pragma once

#include <string>

#include "DamageRecord.h"
#include "SharedState.h"

namespace quorvex {

// One damaged file in plain words for the report page: its path, how much was lost at which
// byte positions (main text 45), and where the copy stopped when it did not reach the end
// (main text 46). Positions are 1-based and inclusive.
class DamagedFileLine {
  public:
    static std::string of(const DamageRecord& record, const TextTable& mainText);

  private:
    static std::string rangeList(const DamageRecord& record);
    static std::string filled(std::string text, const std::string& first,
                              const std::string& second);
};

}  // namespace quorvex
