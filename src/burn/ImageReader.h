#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>

namespace burn {
struct burn_drive;
}  // namespace burn

struct Iso_Image;

namespace quorvex {

struct ImageEntry {
    bool symbolicLink = false;
    std::uint64_t size = 0;
    std::string linkTarget;
};

// The files of the ISO image on a drive's medium as libisofs reads them back, Rock Ridge names
// first: each file's or link's path below the root (no leading "/") and its bytes.
class ImageReader {
  public:
    // Receives a file's bytes piece after piece; returning false stops the reading.
    using ByteSink = std::function<bool(const char* bytes, std::size_t count)>;

    explicit ImageReader(burn::burn_drive* drive);

    bool isOpen() const { return image_ != nullptr; }
    std::map<std::string, ImageEntry> entries() const;
    // Feeds the file's bytes to the sink; false when a read failed or the sink said stop.
    bool readFile(const std::string& path, const ByteSink& sink) const;

  private:
    std::unique_ptr<Iso_Image, void (*)(Iso_Image*)> image_;
};

}  // namespace quorvex
