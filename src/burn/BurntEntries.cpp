#include "BurntEntries.h"

#include <system_error>

namespace quorvex {

namespace fs = std::filesystem;

namespace {

bool walkBelow(const fs::path& folder,
               const std::function<bool(const fs::directory_entry&)>& visit) {
    std::error_code error;
    for (fs::recursive_directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        if (!visit(*it)) return true;
    }
    return !error;
}

}  // namespace

bool BurntEntries::walk(const std::function<bool(const fs::directory_entry&)>& visit) const {
    if (wholeFolder()) return walkBelow(folder_, visit);
    for (const std::string& name : names_) {
        std::error_code error;
        const fs::directory_entry entry(fs::path(folder_) / name, error);
        if (error) return false;
        if (!visit(entry)) return true;
        if (entry.is_directory(error) && !entry.is_symlink(error) && !walkBelow(entry.path(), visit))
            return false;
    }
    return true;
}

}  // namespace quorvex
