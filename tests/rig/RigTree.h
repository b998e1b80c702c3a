#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "RigConfig.h"
#include "RigFile.h"

namespace quorvex::test {

// The served tree, keyed by the paths the file system is asked for ("/", "/photos/a.jpg").
class RigTree {
public:
    struct Node {
        std::set<std::string> children;  // folders only
        std::unique_ptr<RigFile> file;   // files only
    };

    explicit RigTree(const RigConfig& config);

    // Null when nothing has this path.
    const Node* find(std::string_view path) const;
    bool isStatsFile(std::string_view path) const;
    // One line "READS FAILED BYTES NAME" per file, in the order of the configuration.
    std::string statsText() const;
    std::uint64_t totalBytes() const;
    std::uint64_t nodeCount() const { return nodes_.size(); }

private:
    void add(const std::string& name, std::unique_ptr<RigFile> file);

    std::map<std::string, Node, std::less<>> nodes_;
    std::vector<const RigFile*> files_;
};

}  // namespace quorvex::test
