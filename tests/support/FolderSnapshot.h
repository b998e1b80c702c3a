#pragma once

#include <filesystem>
#include <fstream>
#include <map>
#include <string>

namespace quorvex::test {

// Every name below a folder with what it holds: its bytes, a link's target or a folder mark,
// so that a test sees whether anything there changed.
inline std::map<std::string, std::string> snapshot(const std::filesystem::path& root) {
    namespace fs = std::filesystem;
    std::map<std::string, std::string> entries;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        const std::string name = fs::relative(entry.path(), root).string();
        if (entry.is_symlink()) {
            entries[name] = "-> " + fs::read_symlink(entry.path()).string();
        } else if (entry.is_directory()) {
            entries[name] = "/";
        } else {
            std::ifstream input(entry.path(), std::ios::binary);
            entries[name] = std::string(std::istreambuf_iterator<char>(input), {});
        }
    }
    return entries;
}

}  // namespace quorvex::test
