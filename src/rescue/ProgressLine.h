#pragma once

#include <string>
#include <string_view>

#include "RescueTexts.h"
#include "RunStatus.h"

namespace quorvex {

// The one-line progress display: the current file's percentage and bar, speed, lost bytes,
// item number, and as much of the current item's path as the width leaves, cut at the front.
class ProgressLine {
  public:
    explicit ProgressLine(const RescueTexts& texts) : texts_(texts) {}

    std::string format(const RunStatus& status, int width) const;

    // Characters on the screen, counting each UTF-8 sequence once.
    static std::size_t columns(std::string_view text);
    // The end of the text that fits in `room` columns, "..." in front when it was cut.
    static std::string tailFitting(std::string_view text, std::size_t room);
    // The start of the text that fits in `room` columns.
    static std::string headFitting(std::string_view text, std::size_t room);

  private:
    static std::string bar(int percent);

    const RescueTexts& texts_;
};

}  // namespace quorvex
