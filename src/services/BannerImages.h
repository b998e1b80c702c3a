#pragma once

#include <QImage>

namespace quorvex {

// The list of banner images of the main window.
class BannerImages {
public:
    virtual ~BannerImages() = default;

    // The first image of the list; raises (RunTimeError or another std::exception) when it
    // cannot be had.
    virtual QImage first() = 0;
};

}  // namespace quorvex
