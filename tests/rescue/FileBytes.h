#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <optional>
#include <string>

namespace quorvex::test {

// Compares two files byte for byte, as cmp does: the offset of the first difference, the
// shorter length when one file is a prefix of the other, or nothing when they are equal.
inline std::optional<std::uint64_t> firstDifference(const std::string& first,
                                                    const std::string& second) {
    std::ifstream one(first, std::ios::binary), other(second, std::ios::binary);
    if (!one || !other) return 0;
    std::string a(1 << 20, '\0'), b(1 << 20, '\0');
    for (std::uint64_t offset = 0;;) {
        one.read(a.data(), static_cast<std::streamsize>(a.size()));
        other.read(b.data(), static_cast<std::streamsize>(b.size()));
        const auto countA = static_cast<std::size_t>(one.gcount());
        const auto countB = static_cast<std::size_t>(other.gcount());
        const std::size_t common = std::min(countA, countB);
        if (std::memcmp(a.data(), b.data(), common) != 0) {
            const auto differ = std::mismatch(a.begin(), a.begin() + common, b.begin());
            return offset + static_cast<std::uint64_t>(differ.first - a.begin());
        }
        if (countA != countB) return offset + std::min(countA, countB);
        if (countA == 0) return std::nullopt;
        offset += countA;
    }
}

}  // namespace quorvex::test
