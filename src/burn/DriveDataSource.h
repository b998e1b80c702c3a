#pragma once

namespace burn {
struct burn_drive;
}  // namespace burn

struct iso_data_source;

namespace quorvex {

// Lets libisofs read an image from a drive that libburn holds, a disc or an image file alike,
// 2 KiB blocks at a time with a read-ahead of a few dozen blocks.
class DriveDataSource {
  public:
    // A new source with one reference, for iso_image_import; iso_data_source_unref ends it.
    static iso_data_source* create(burn::burn_drive* drive);
};

}  // namespace quorvex
