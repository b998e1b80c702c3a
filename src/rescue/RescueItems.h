#pragma once

#include <string>
#include <vector>

namespace quorvex {

// The items named on the command line as paths relative to the source root: "." parts and
// repeated slashes dropped, items inside other items left out. An empty list means the whole
// source root.
class RescueItems {
  public:
    // Raises UsageError for an item outside the root, one holding "..", or one that is missing.
    static std::vector<std::string> normalize(const std::vector<std::string>& items,
                                              const std::string& sourceRoot);

  private:
    static std::string relative(const std::string& item, const std::string& sourceRoot);
    static bool covers(const std::string& folder, const std::string& path);
};

}  // namespace quorvex
