#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace quorvex {

// What a burn takes from its folder: the whole folder, or only the named entries directly in it
// (each with everything below it when it is a folder).
class BurntEntries {
  public:
    // A folder alone stands for all of it.
    BurntEntries(std::string folder, std::vector<std::string> names = {})
        : folder_(std::move(folder)), names_(std::move(names)) {}

    const std::string& folder() const { return folder_; }
    const std::vector<std::string>& names() const { return names_; }
    bool wholeFolder() const { return names_.empty(); }
    // Visits every file, link and folder burnt, links not followed, until visit says false.
    // False when a folder could not be read through.
    bool walk(const std::function<bool(const std::filesystem::directory_entry&)>& visit) const;

  private:
    std::string folder_;
    std::vector<std::string> names_;
};

}  // namespace quorvex
