#include "ImageVerifier.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <vector>

#include "ImageReader.h"

namespace quorvex {

namespace fs = std::filesystem;

ImageVerifier::ImageVerifier(BurntEntries entries, const ImageReader& image)
    : entries_(std::move(entries)), image_(image) {}

std::vector<std::string> ImageVerifier::differingFiles(const std::atomic<bool>& cancel,
                                                       const ProgressSink& progress) const {
    std::map<std::string, ImageEntry> unmatched = image_.entries();
    std::vector<std::string> differing;
    std::uint64_t compared = 0;
    const bool whole = entries_.walk([&](const fs::directory_entry& burnt) {
        if (cancel) return false;
        std::error_code error;
        const fs::file_status status = burnt.symlink_status(error);
        if (!fs::is_regular_file(status) && !fs::is_symlink(status)) return true;
        const std::string path = burnt.path().lexically_relative(entries_.folder()).string();
        const auto entry = unmatched.find(path);
        bool same =
            entry != unmatched.end() && entry->second.symbolicLink == fs::is_symlink(status);
        if (same && fs::is_symlink(status)) {
            same = fs::read_symlink(burnt.path(), error).string() == entry->second.linkTarget;
        } else if (same) {
            same = sameFile(path, entry->second.size, cancel, compared, progress);
        }
        if (entry != unmatched.end()) unmatched.erase(entry);
        if (!same) differing.push_back(path);
        return true;
    });
    if (!whole) differing.push_back(".");
    for (const auto& [path, entry] : unmatched) differing.push_back(path);
    std::sort(differing.begin(), differing.end());
    return differing;
}

bool ImageVerifier::sameFile(const std::string& path, std::uint64_t imageSize,
                             const std::atomic<bool>& cancel, std::uint64_t& compared,
                             const ProgressSink& progress) const {
    std::error_code error;
    const fs::path local = fs::path(entries_.folder()) / path;
    if (fs::file_size(local, error) != imageSize || error) return false;
    std::ifstream input(local, std::ios::binary);
    std::vector<char> expected;
    const bool whole = image_.readFile(path, [&](const char* bytes, std::size_t count) {
        expected.resize(count);
        input.read(expected.data(), static_cast<std::streamsize>(count));
        compared += count;
        if (progress) progress(compared);
        return !cancel && input.gcount() == static_cast<std::streamsize>(count) &&
               std::memcmp(expected.data(), bytes, count) == 0;
    });
    return whole && input.peek() == std::char_traits<char>::eof();
}

}  // namespace quorvex
