#include "RigFileSystem.h"

#include <fcntl.h>
#include <fuse.h>

#include <cerrno>
#include <cstring>

namespace quorvex::test {
namespace {

// Every node shows the same modification time, so copies of the tree compare exactly.
constexpr time_t servedTime = 1'700'000'000;

RigTree& tree() { return *static_cast<RigTree*>(fuse_get_context()->private_data); }

// The kernel asks again on every access, so that shrinking and vanishing show at once.
void* initialise(fuse_conn_info*, fuse_config* config) {
    config->entry_timeout = 0;
    config->attr_timeout = 0;
    config->negative_timeout = 0;
    return fuse_get_context()->private_data;
}

int getAttributes(const char* path, struct stat* status, fuse_file_info*) {
    *status = {};
    status->st_mtime = servedTime;
    status->st_uid = getuid();
    status->st_gid = getgid();
    if (tree().isStatsFile(path)) {
        status->st_mode = S_IFREG | 0444;
        status->st_nlink = 1;
        status->st_size = static_cast<off_t>(tree().statsText().size());
        return 0;
    }
    const RigTree::Node* node = tree().find(path);
    if (node == nullptr) return -ENOENT;
    if (!node->file) {
        status->st_mode = S_IFDIR | 0555;
        status->st_nlink = 2;
        return 0;
    }
    if (node->file->vanished()) return -ENODEV;
    status->st_mode = S_IFREG | 0444;
    status->st_nlink = 1;
    status->st_size = static_cast<off_t>(node->file->size());
    status->st_blocks = (status->st_size + 511) / 512;
    return 0;
}

int readFolder(const char* path, void* buffer, fuse_fill_dir_t fill, off_t, fuse_file_info*,
               fuse_readdir_flags) {
    const RigTree::Node* node = tree().find(path);
    if (node == nullptr) return -ENOENT;
    if (node->file) return -ENOTDIR;
    fill(buffer, ".", nullptr, 0, fuse_fill_dir_flags{});
    fill(buffer, "..", nullptr, 0, fuse_fill_dir_flags{});
    for (const std::string& child : node->children)
        fill(buffer, child.c_str(), nullptr, 0, fuse_fill_dir_flags{});
    return 0;
}

// The counters file is a snapshot taken at open, read past the page cache.
int openFile(const char* path, fuse_file_info* info) {
    if ((info->flags & O_ACCMODE) != O_RDONLY) return -EROFS;
    if (tree().isStatsFile(path)) {
        info->fh = reinterpret_cast<std::uintptr_t>(new std::string(tree().statsText()));
        info->direct_io = 1;
        return 0;
    }
    const RigTree::Node* node = tree().find(path);
    if (node == nullptr) return -ENOENT;
    if (!node->file) return -EISDIR;
    if (node->file->vanished()) return -ENODEV;
    info->fh = reinterpret_cast<std::uintptr_t>(node->file.get());
    info->direct_io = node->file->directIo();
    return 0;
}

int readStats(const std::string& text, char* buffer, std::size_t size, off_t offset) {
    const auto start = std::min(static_cast<std::size_t>(offset), text.size());
    const std::size_t count = std::min(size, text.size() - start);
    std::memcpy(buffer, text.data() + start, count);
    return static_cast<int>(count);
}

int readFile(const char* path, char* buffer, std::size_t size, off_t offset, fuse_file_info* info) {
    if (tree().isStatsFile(path))
        return readStats(*reinterpret_cast<const std::string*>(info->fh), buffer, size, offset);
    RigFile& file = *reinterpret_cast<RigFile*>(info->fh);
    return file.read(static_cast<std::uint64_t>(offset), {buffer, size});
}

int release(const char* path, fuse_file_info* info) {
    if (tree().isStatsFile(path)) delete reinterpret_cast<std::string*>(info->fh);
    return 0;
}

int fileSystemStatus(const char*, struct statvfs* status) {
    constexpr std::uint64_t blockSize = 4096;
    *status = {};
    status->f_bsize = blockSize;
    status->f_frsize = blockSize;
    status->f_blocks = (tree().totalBytes() + blockSize - 1) / blockSize;
    status->f_files = tree().nodeCount();
    status->f_namemax = 255;
    return 0;
}

fuse_operations operations() {
    fuse_operations table{};
    table.init = initialise;
    table.getattr = getAttributes;
    table.readdir = readFolder;
    table.open = openFile;
    table.read = readFile;
    table.release = release;
    table.statfs = fileSystemStatus;
    return table;
}

}  // namespace

int RigFileSystem::run(RigTree& tree, std::vector<std::string> arguments) {
    std::vector<char*> argv;
    for (std::string& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);
    const fuse_operations table = operations();
    return fuse_main(static_cast<int>(arguments.size()), argv.data(), &table, &tree);
}

}  // namespace quorvex::test
