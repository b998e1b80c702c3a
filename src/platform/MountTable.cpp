#include "MountTable.h"

#include <sstream>

namespace quorvex {

namespace {

bool isOctal(char c) { return c >= '0' && c <= '7'; }

std::vector<std::string> fieldsOf(const std::string& line) {
    std::vector<std::string> fields;
    std::istringstream stream(line);
    for (std::string field; stream >> field;) fields.push_back(field);
    return fields;
}

}  // namespace

std::string MountTable::unescape(std::string_view field) {
    std::string text;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size() && isOctal(field[i + 1]) &&
            isOctal(field[i + 2]) && isOctal(field[i + 3])) {
            text += static_cast<char>((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 +
                                      (field[i + 3] - '0'));
            i += 3;
        } else {
            text += field[i];
        }
    }
    return text;
}

// A line holds: id, parent, major:minor, root, mount point, options, optional fields, "-",
// file system, source, super options.
std::vector<MountedVolume> MountTable::parse(std::string_view mountinfo) {
    std::vector<MountedVolume> volumes;
    std::istringstream lines{std::string(mountinfo)};
    for (std::string line; std::getline(lines, line);) {
        const auto fields = fieldsOf(line);
        std::size_t dash = 6;
        while (dash < fields.size() && fields[dash] != "-") ++dash;
        if (fields.size() < 5 || dash + 2 >= fields.size()) continue;
        MountedVolume volume;
        volume.mountPoint = unescape(fields[4]);
        if (volume.mountPoint.back() != '/') volume.mountPoint += '/';
        volume.fileSystem = fields[dash + 1];
        volume.source = unescape(fields[dash + 2]);
        volumes.push_back(volume);
    }
    return volumes;
}

}  // namespace quorvex
