#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace quorvex::test {

// The bytes the rig serves: a function of the file's seed and the byte's offset, so that a file
// of any size needs no storage and a test can check every byte it reads. Each byte depends on
// its own offset, so bytes served from the wrong place never pass for the right ones.
class RigPattern {
public:
    static std::uint8_t byteAt(std::uint64_t seed, std::uint64_t offset) {
        return static_cast<std::uint8_t>(word(seed, offset / 8) >> (8 * (offset % 8)));
    }

    static void fill(std::uint64_t seed, std::uint64_t offset, std::span<char> bytes) {
        std::size_t done = 0;
        while (done < bytes.size()) {
            const std::uint64_t position = offset + done;
            const std::uint64_t value = word(seed, position / 8);
            for (unsigned lane = position % 8; lane < 8 && done < bytes.size(); ++lane, ++done)
                bytes[done] = static_cast<char>(value >> (8 * lane));
        }
    }

    static std::string bytes(std::uint64_t seed, std::uint64_t offset, std::size_t count) {
        std::string text(count, '\0');
        fill(seed, offset, text);
        return text;
    }

private:
    // splitmix64 of the seed mixed with the index of the eight-byte word.
    static std::uint64_t word(std::uint64_t seed, std::uint64_t index) {
        std::uint64_t value = (seed * 0x9E3779B97F4A7C15ULL) ^ (index + 0x632BE59BD9B4E019ULL);
        value = (value ^ (value >> 30)) * 0xBF58476D1CE4E5B9ULL;
        value = (value ^ (value >> 27)) * 0x94D049BB133111EBULL;
        return value ^ (value >> 31);
    }
};

}  // namespace quorvex::test
