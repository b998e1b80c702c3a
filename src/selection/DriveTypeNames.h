#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace quorvex {

// Display names of the drive types, indexes 0..9 of which 0..5 are used. Type 5 is the RAM
// disk and is shown as "Flash Drive".
class DriveTypeNames {
  public:
    static constexpr std::int16_t Count = 10;
    static constexpr std::int16_t Used = 6;

    DriveTypeNames() : names_{"Unknown", "Removable", "Fixed", "Remote", "CD-ROM", "Flash Drive"} {}

    // The name of a type 0..5; the empty string for any other type.
    std::string nameOf(std::int16_t type) const {
        if (type < 0 || type >= Used) return {};
        return names_[static_cast<std::size_t>(type)];
    }
    void rename(std::int16_t type, const std::string& name) {
        if (type >= 0 && type < Count) names_[static_cast<std::size_t>(type)] = name;
    }

  private:
    std::array<std::string, Count> names_;
};

}  // namespace quorvex
