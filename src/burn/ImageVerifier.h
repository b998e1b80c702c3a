#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "BurntEntries.h"

namespace quorvex {

class ImageReader;

// Compares a burnt folder with the image read back from the medium, every file byte for byte
// and every link by its target.
class ImageVerifier {
  public:
    // Bytes compared so far.
    using ProgressSink = std::function<void(std::uint64_t done)>;

    ImageVerifier(BurntEntries entries, const ImageReader& image);

    // The paths (relative to the burnt folder) of the files that differ, are missing from the image
    // or that the image holds besides, sorted. A raised cancel flag ends the comparison early.
    std::vector<std::string> differingFiles(const std::atomic<bool>& cancel,
                                            const ProgressSink& progress) const;

  private:
    bool sameFile(const std::string& path, std::uint64_t imageSize, const std::atomic<bool>& cancel,
                  std::uint64_t& compared, const ProgressSink& progress) const;

    BurntEntries entries_;
    const ImageReader& image_;
};

}  // namespace quorvex
