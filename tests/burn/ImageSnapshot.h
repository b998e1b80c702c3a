#pragma once

#include <map>
#include <string>

#include "GrabbedDrive.h"
#include "ImageReader.h"

namespace quorvex::test {

// Every file and link an image file holds, read back through libisofs: each path below the
// root with the file's bytes, or "-> TARGET" for a link.
inline std::map<std::string, std::string> imageSnapshot(const std::string& image) {
    const auto drive = GrabbedDrive::grab("stdio:" + image);
    if (!drive) return {};
    const ImageReader reader(drive->handle());
    std::map<std::string, std::string> entries;
    for (const auto& [path, entry] : reader.entries()) {
        if (entry.symbolicLink) {
            entries[path] = "-> " + entry.linkTarget;
            continue;
        }
        std::string bytes;
        reader.readFile(path, [&](const char* piece, std::size_t count) {
            bytes.append(piece, count);
            return true;
        });
        entries[path] = bytes;
    }
    return entries;
}

}  // namespace quorvex::test
