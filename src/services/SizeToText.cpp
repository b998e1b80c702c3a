#include "SizeToText.h"

#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

namespace quorvex {

namespace {

constexpr double kKilobyteThreshold = 5120.0;
constexpr double kMegabyteThreshold = 5242880.0;
constexpr double kGigabyteThreshold = 1073741824.0;

// Rounds half to even and refuses what does not fit a 32-bit signed integer.
std::optional<std::int32_t> roundedToInt32(double value) {
    const double rounded = std::nearbyint(value);
    if (!(rounded >= std::numeric_limits<std::int32_t>::min() &&
          rounded <= std::numeric_limits<std::int32_t>::max()))
        return std::nullopt;
    return static_cast<std::int32_t>(rounded);
}

// Whole counts, which is what a byte count almost always is, skip the floating-point digits.
std::string plainDecimal(double value, char decimalSeparator) {
    if (value == 0.0) value = 0.0;
    char text[64];
    if (std::trunc(value) == value && std::abs(value) < 1e15) {
        const auto result =
            std::to_chars(text, text + sizeof text, static_cast<std::int64_t>(value));
        return std::string(text, result.ptr);
    }
    const auto format =
        std::abs(value) < 1e15 ? std::chars_format::fixed : std::chars_format::general;
    const auto result = std::to_chars(text, text + sizeof text, value, format);
    std::string shown(text, result.ptr);
    if (const auto point = shown.find('.'); point != std::string::npos)
        shown[point] = decimalSeparator;
    return shown;
}

std::optional<std::string> unitText(double bytes) {
    if (bytes > kGigabyteThreshold) {
        const auto megabytes = roundedToInt32(bytes / 1024.0 / 1024.0);
        if (!megabytes) return std::nullopt;
        return std::to_string(*megabytes / 1024) + " Gb";
    }
    if (bytes > kMegabyteThreshold) {
        const auto kilobytes = roundedToInt32(bytes / 1024.0);
        if (!kilobytes) return std::nullopt;
        return std::to_string(*kilobytes / 1024) + " Mb";
    }
    const auto whole = roundedToInt32(bytes);
    if (!whole) return std::nullopt;
    return std::to_string(*whole / 1024) + " Kb";
}

}  // namespace

std::string SizeToText(double bytes, char decimalSeparator) {
    if (std::isnan(bytes)) return "0b";
    if (bytes <= kKilobyteThreshold) {
        if (std::isinf(bytes)) return "0b";
        return plainDecimal(bytes, decimalSeparator) + " b";
    }
    return unitText(bytes).value_or("0b");
}

// Only a fractional count of bytes shows a separator, so only then is the locale asked.
std::string SizeToText(double bytes) {
    if (!(bytes <= kKilobyteThreshold) || std::trunc(bytes) == bytes) return SizeToText(bytes, '.');
    const char* point = std::localeconv()->decimal_point;
    return SizeToText(bytes, point != nullptr && point[0] != '\0' ? point[0] : '.');
}

}  // namespace quorvex
