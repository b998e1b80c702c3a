#include "IsoImageBuilder.h"

#include <cstdint>
#include <filesystem>
#include <system_error>

#include <libburn/libburn.h>
#include <libisofs/libisofs.h>

namespace quorvex {

namespace {

// The largest file that level 2 holds in its one extent, with the last block's rounding.
constexpr std::uintmax_t kLargestLevelTwoFile = 0xFFFFFFFFu - 2047u;
constexpr std::size_t kVolumeIdBytes = 32;
// Pipes, sockets and devices are no files to burn.
constexpr int kSkipAllSpecialFiles = 1 | 2 | 4 | 8;

bool isContinuationByte(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

}  // namespace

IsoImageBuilder::IsoImageBuilder(BurntEntries entries, std::string volumeLabel)
    : entries_(std::move(entries)), volumeLabel_(std::move(volumeLabel)) {}

std::string IsoImageBuilder::volumeId(const std::string& label) {
    if (label.size() <= kVolumeIdBytes) return label;
    std::size_t end = kVolumeIdBytes;
    while (end > 0 && isContinuationByte(label[end])) --end;
    return label.substr(0, end);
}

int IsoImageBuilder::isoLevel() const {
    int level = 2;
    entries_.walk([&level](const std::filesystem::directory_entry& entry) {
        std::error_code error;
        if (entry.is_regular_file(error) && !entry.is_symlink(error) &&
            entry.file_size(error) > kLargestLevelTwoFile) {
            level = 3;
        }
        return level == 2;
    });
    return level;
}

IsoImageBuilder::ImageHandle IsoImageBuilder::buildTree() const {
    Iso_Image* image = nullptr;
    const std::string id = volumeId(volumeLabel_);
    if (iso_image_new(id.c_str(), &image) < 0) return ImageHandle(nullptr, iso_image_unref);
    ImageHandle handle(image, iso_image_unref);
    iso_image_set_volume_id(image, id.c_str());
    iso_tree_set_follow_symlinks(image, 0);
    iso_tree_set_ignore_hidden(image, 0);
    iso_tree_set_ignore_special(image, kSkipAllSpecialFiles);
    if (!addEntries(image)) handle.reset();
    return handle;
}

bool IsoImageBuilder::addEntries(Iso_Image* image) const {
    IsoDir* root = iso_image_get_root(image);
    if (entries_.wholeFolder()) return iso_tree_add_dir_rec(image, root, entries_.folder().c_str()) >= 0;
    for (const std::string& name : entries_.names()) {
        const std::string path = (std::filesystem::path(entries_.folder()) / name).string();
        IsoNode* node = nullptr;
        if (iso_tree_add_node(image, root, path.c_str(), &node) < 0) return false;
        // A folder's node carries its own attributes; its content is added below it.
        if (ISO_NODE_IS_DIR(node) &&
            iso_tree_add_dir_rec(image, reinterpret_cast<IsoDir*>(node), path.c_str()) < 0) {
            return false;
        }
    }
    return true;
}

IsoImageBuilder::OptionsHandle IsoImageBuilder::writeOptions(bool sizeOnly) const {
    iso_write_opts* options = nullptr;
    if (iso_write_opts_new(&options, 1) < 0) return OptionsHandle(nullptr, iso_write_opts_free);
    iso_write_opts_set_iso_level(options, isoLevel());
    iso_write_opts_set_rockridge(options, 1);
    iso_write_opts_set_joliet(options, 1);
    iso_write_opts_set_joliet_longer_paths(options, 1);
    iso_write_opts_set_joliet_long_names(options, 1);
    iso_write_opts_set_will_cancel(options, sizeOnly ? 1 : 0);
    return OptionsHandle(options, iso_write_opts_free);
}

burn::burn_source* IsoImageBuilder::createSource(bool sizeOnly) const {
    const ImageHandle image = buildTree();
    const OptionsHandle options = writeOptions(sizeOnly);
    if (!image || !options) return nullptr;
    ::burn_source* source = nullptr;
    if (iso_image_create_burn_source(image.get(), options.get(), &source) < 0) return nullptr;
    // libisofs declares the libburn source outside libburn's C++ namespace; it is one type.
    return reinterpret_cast<burn::burn_source*>(source);
}

burn::burn_source* IsoImageBuilder::startImage() const {
    return createSource(false);
}

std::uint64_t IsoImageBuilder::imageSize() const {
    burn::burn_source* source = createSource(true);
    if (source == nullptr) return 0;
    const off_t size = source->get_size(source);
    source->cancel(source);
    burn::burn_source_free(source);
    return size > 0 ? static_cast<std::uint64_t>(size) : 0;
}

}  // namespace quorvex
