#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "BurntEntries.h"

namespace burn {
struct burn_source;
}  // namespace burn

struct Iso_Image;
struct iso_write_opts;

namespace quorvex {

// Builds the ISO 9660 image of a folder's files (or of some of its entries) with libisofs: Rock Ridge (names as bytes,
// long names, deep folders, permissions and times) and Joliet, ISO level 3 only when a file
// is too large for level 2.
class IsoImageBuilder {
  public:
    IsoImageBuilder(BurntEntries entries, std::string volumeLabel);

    // The bytes of the whole image; 0 when the folder cannot be put into one.
    std::uint64_t imageSize() const;
    // A libburn source whose reads produce the image, built by a libisofs thread; nullptr when
    // the folder cannot be put into one. The caller frees it with burn_source_free.
    burn::burn_source* startImage() const;
    // The ISO level the folder needs: 3 when a file does not fit level 2's one extent.
    int isoLevel() const;
    // The label cut to the 32 bytes a volume id holds, never inside a UTF-8 character.
    static std::string volumeId(const std::string& label);

  private:
    using ImageHandle = std::unique_ptr<Iso_Image, void (*)(Iso_Image*)>;
    using OptionsHandle = std::unique_ptr<iso_write_opts, void (*)(iso_write_opts*)>;

    ImageHandle buildTree() const;
    bool addEntries(Iso_Image* image) const;
    OptionsHandle writeOptions(bool sizeOnly) const;
    burn::burn_source* createSource(bool sizeOnly) const;

    BurntEntries entries_;
    std::string volumeLabel_;
};

}  // namespace quorvex
