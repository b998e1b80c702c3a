#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "RigConfigLine.h"
#include "RigFileSetup.h"

namespace quorvex::test {

// The tree a rig serves, read from lines such as
//     dir photos
//     file photos/a.jpg 5M 7
//     bad photos/a.jpg 40960 4096
// Folders named by a file's path exist without a "dir" line. Damage lines refer to a file
// declared above them. Errors throw std::invalid_argument naming the line.
class RigConfig {
public:
    static RigConfig parse(std::string_view text);

    // Every folder below the root, parents before their children.
    const std::vector<std::string>& folders() const { return folders_; }
    const std::vector<RigFileSetup>& files() const { return files_; }

private:
    enum class Kind { Folder, File };

    void apply(const RigConfigLine& line);
    void addFolder(const std::string& name);
    void addFile(const RigConfigLine& line);
    void addBadRange(const RigConfigLine& line);
    void addShrink(const RigConfigLine& line);
    void addParentsOf(const std::string& name);
    void claim(const std::string& name, Kind kind);
    RigFileSetup& fileNamed(const std::string& name);

    std::vector<std::string> folders_;
    std::vector<RigFileSetup> files_;
    std::map<std::string, Kind> names_;
};

}  // namespace quorvex::test
