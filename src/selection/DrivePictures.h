#pragma once

#include <QIcon>
#include <cstdint>

namespace quorvex {

// The pictures of the drive types 0..5: the desktop icon theme's, or drawn here when the theme
// has none.
class DrivePictures {
  public:
    static QIcon forType(std::int16_t type);
    // The picture drawn here, whatever the theme offers.
    static QIcon drawn(std::int16_t type);
};

}  // namespace quorvex
