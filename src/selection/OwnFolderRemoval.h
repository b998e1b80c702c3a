#pragma once

#include <string>

namespace quorvex {

// Removes a folder of the current user from a folder that other users can write to. Nothing
// is followed through a symbolic link: a link inside is removed as a link, and a folder that
// is itself a link, or belongs to another user, is left alone.
class OwnFolderRemoval {
  public:
    enum class Outcome { Removed, Missing, Refused, Failed };

    // Removes `name` in `parentFolder` with everything in it, read-only content included.
    static Outcome remove(const std::string& parentFolder, const std::string& name);

  private:
    static bool removeContents(int folder);
    static bool removeEntry(int folder, const char* name);
};

}  // namespace quorvex
