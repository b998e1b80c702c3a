#pragma once

#include "BannerImages.h"
#include "ProgramPictures.h"

namespace quorvex {

// The main window's banner image list: one image, the program's own banner.
class ProgramBannerImages final : public BannerImages {
public:
    QImage first() override { return ProgramPictures::bannerImage(); }
};

}  // namespace quorvex
