#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

namespace quorvex::test {

// A fresh folder under the system's temporary folder, removed with everything in it at the end.
class TemporaryFolder {
public:
    TemporaryFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "quorvex-test-XXXXXX");
        if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
        path_ = pattern;
    }
    ~TemporaryFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    // The folder with a trailing "/", as the program writes folders.
    std::string path() const { return path_.string() + "/"; }
    std::string file(const std::string& name) const { return path() + name; }

    std::string write(const std::string& name, const std::string& bytes) const {
        std::ofstream(file(name), std::ios::binary) << bytes;
        return file(name);
    }
    std::string read(const std::string& name) const {
        std::ifstream input(file(name), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(input), {});
    }

private:
    std::filesystem::path path_;
};

}  // namespace quorvex::test
