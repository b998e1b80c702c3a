#include "ImageReader.h"

#include <cstdint>
#include <vector>

#include <libburn/libburn.h>
#include <libisofs/libisofs.h>

#include "DriveDataSource.h"

namespace quorvex {

namespace {

constexpr std::size_t kReadPiece = 64 * 1024;

Iso_Image* importImage(burn::burn_drive* drive) {
    IsoDataSource* source = DriveDataSource::create(drive);
    IsoReadOpts* options = nullptr;
    Iso_Image* image = nullptr;
    if (source == nullptr || iso_read_opts_new(&options, 0) < 0 || iso_image_new("", &image) < 0) {
        if (source != nullptr) iso_data_source_unref(source);
        if (options != nullptr) iso_read_opts_free(options);
        return nullptr;
    }
    iso_read_opts_set_preferjoliet(options, 0);
    const int result = iso_image_import(image, source, options, nullptr);
    iso_read_opts_free(options);
    iso_data_source_unref(source);
    if (result < 0) {
        iso_image_unref(image);
        return nullptr;
    }
    return image;
}

void collect(IsoDir* folder, const std::string& prefix, std::map<std::string, ImageEntry>& into) {
    IsoDirIter* children = nullptr;
    if (iso_dir_get_children(folder, &children) < 0) return;
    IsoNode* node = nullptr;
    while (iso_dir_iter_next(children, &node) == 1) {
        const std::string path = prefix + iso_node_get_name(node);
        switch (iso_node_get_type(node)) {
            case LIBISO_DIR:
                collect(reinterpret_cast<IsoDir*>(node), path + "/", into);
                break;
            case LIBISO_FILE:
                into[path].size =
                    static_cast<std::uint64_t>(iso_file_get_size(reinterpret_cast<IsoFile*>(node)));
                break;
            case LIBISO_SYMLINK:
                into[path] = {true, 0, iso_symlink_get_dest(reinterpret_cast<IsoSymlink*>(node))};
                break;
            default:
                break;
        }
    }
    iso_dir_iter_free(children);
}

}  // namespace

ImageReader::ImageReader(burn::burn_drive* drive) : image_(importImage(drive), iso_image_unref) {}

std::map<std::string, ImageEntry> ImageReader::entries() const {
    std::map<std::string, ImageEntry> found;
    if (image_) collect(iso_image_get_root(image_.get()), "", found);
    return found;
}

bool ImageReader::readFile(const std::string& path, const ByteSink& sink) const {
    IsoNode* node = nullptr;
    const std::string rooted = "/" + path;
    if (!image_ || iso_tree_path_to_node(image_.get(), rooted.c_str(), &node) != 1 ||
        iso_node_get_type(node) != LIBISO_FILE) {
        return false;
    }
    IsoStream* stream = iso_file_get_stream(reinterpret_cast<IsoFile*>(node));
    if (iso_stream_open(stream) < 0) return false;
    std::vector<char> piece(kReadPiece);
    bool whole = true;
    for (;;) {
        const int count = iso_stream_read(stream, piece.data(), piece.size());
        if (count == 0) break;
        if (count < 0 || !sink(piece.data(), static_cast<std::size_t>(count))) {
            whole = false;
            break;
        }
    }
    iso_stream_close(stream);
    return whole;
}

}  // namespace quorvex
