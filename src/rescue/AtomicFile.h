#pragma once

#include <stdexcept>
#include <string>

namespace quorvex {

// Replaces a file's content all at once: the bytes go to a temporary file in the same folder,
// reach the disk, and only then take the file's name. A crash leaves the old file or the new
// one, never a mixture. Failures raise AtomicFile::Error with the system's reason.
class AtomicFile {
  public:
    class Error : public std::runtime_error {
      public:
        using std::runtime_error::runtime_error;
    };

    static void replace(const std::string& path, const std::string& bytes);
    // The whole content; Error when the file cannot be read.
    static std::string read(const std::string& path);

  private:
    static void writeAll(int descriptor, const std::string& bytes, const std::string& path);
    static void syncFolderOf(const std::string& path);
    [[noreturn]] static void failRemoving(const std::string& what, const std::string& path,
                                          const std::string& temporary);
    [[noreturn]] static void fail(const std::string& what, const std::string& path);
};

}  // namespace quorvex
