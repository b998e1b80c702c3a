#include "RigTree.h"

namespace quorvex::test {

RigTree::RigTree(const RigConfig& config) {
    nodes_.emplace("/", Node{});
    for (const std::string& folder : config.folders()) add(folder, nullptr);
    for (const RigFileSetup& setup : config.files()) add(setup.name, std::make_unique<RigFile>(setup));
}

// The configuration lists parents before children, so every parent exists already.
void RigTree::add(const std::string& name, std::unique_ptr<RigFile> file) {
    const std::size_t slash = name.rfind('/');
    const std::string parent = slash == std::string::npos ? "/" : "/" + name.substr(0, slash);
    nodes_.at(parent).children.insert(slash == std::string::npos ? name : name.substr(slash + 1));
    if (file) files_.push_back(file.get());
    nodes_.emplace("/" + name, Node{{}, std::move(file)});
}

const RigTree::Node* RigTree::find(std::string_view path) const {
    const auto node = nodes_.find(path);
    return node == nodes_.end() ? nullptr : &node->second;
}

bool RigTree::isStatsFile(std::string_view path) const {
    return path.size() == RigCounters::fileName.size() + 1 && path.front() == '/' &&
           path.substr(1) == RigCounters::fileName;
}

std::string RigTree::statsText() const {
    std::string text;
    for (const RigFile* file : files_) {
        const RigCounters counters = file->counters();
        text += std::to_string(counters.reads) + ' ' + std::to_string(counters.failed) + ' ' +
                std::to_string(counters.bytes) + ' ' + file->name() + '\n';
    }
    return text;
}

std::uint64_t RigTree::totalBytes() const {
    std::uint64_t total = 0;
    for (const RigFile* file : files_) total += file->size();
    return total;
}

}  // namespace quorvex::test
