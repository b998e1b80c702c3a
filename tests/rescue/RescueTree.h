#pragma once

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "TemporaryFolder.h"

namespace quorvex::test {

// Whether two files hold the same bytes, as cmp -s tells.
inline bool sameBytes(const std::string& first, const std::string& second) {
    std::ifstream one(first, std::ios::binary), other(second, std::ios::binary);
    if (!one || !other) return false;
    std::string a(1 << 20, '\0'), b(1 << 20, '\0');
    for (;;) {
        one.read(a.data(), static_cast<std::streamsize>(a.size()));
        other.read(b.data(), static_cast<std::streamsize>(b.size()));
        const auto count = static_cast<std::size_t>(one.gcount());
        if (other.gcount() != one.gcount() || a.compare(0, count, b, 0, count) != 0) return false;
        if (count < a.size()) return true;
    }
}

// A source and a destination root in a temporary folder, for running the rescue on.
class RescueTree : public ::testing::Test {
  protected:
    std::string source() const { return folder_.file("src/"); }
    std::string destination() const { return folder_.file("dst/"); }

    void SetUp() override { std::filesystem::create_directory(source()); }

    void put(const std::string& name, const std::string& bytes) const {
        std::filesystem::create_directories(std::filesystem::path(source() + name).parent_path());
        folder_.write("src/" + name, bytes);
    }
    std::string copied(const std::string& name) const { return folder_.read("dst/" + name); }
    bool copyExists(const std::string& name) const {
        return std::filesystem::exists(std::filesystem::symlink_status(destination() + name));
    }
    void expectCopied(const std::string& name) const {
        ASSERT_TRUE(copyExists(name)) << name;
        EXPECT_TRUE(sameBytes(source() + name, destination() + name)) << name;
    }

    // Bytes that differ at every offset, so a copy written to the wrong place cannot match.
    static std::string pattern(std::size_t size, unsigned seed) {
        std::string bytes(size, '\0');
        for (std::size_t index = 0; index < size; ++index)
            bytes[index] = static_cast<char>((index * 2654435761u + seed) >> 13);
        return bytes;
    }

    // A large file quickly: a patterned megabyte repeated, each 4 KiB stamped with its offset.
    void putPattern(const std::string& name, std::size_t size) const {
        const std::string block = pattern(1 << 20, 9);
        std::ofstream file(source() + name, std::ios::binary);
        for (std::size_t offset = 0; offset < size; offset += block.size()) {
            std::string chunk = block.substr(0, std::min(block.size(), size - offset));
            for (std::size_t stamp = 0; stamp + 8 <= chunk.size(); stamp += 4096) {
                const std::uint64_t value = offset + stamp;
                std::memcpy(chunk.data() + stamp, &value, sizeof value);
            }
            file.write(chunk.data(), static_cast<std::streamsize>(chunk.size()));
        }
    }

    TemporaryFolder folder_;
};

}  // namespace quorvex::test
