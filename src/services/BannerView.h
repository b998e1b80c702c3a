#pragma once

#include <QImage>
#include <string>

namespace quorvex {

// The main window as the page banners see it: four banner boxes named Adv2nd, adv, Adv3ed and
// Adv4th, and the media timer that redraws them.
class BannerView {
public:
    virtual ~BannerView() = default;

    // Draws the picture into the named box at its top-left corner, at its natural size.
    virtual void drawBanner(const std::string& boxName, const QImage& picture) = 0;
    virtual void showBanner(const std::string& boxName) = 0;
    virtual void hideAllBanners() = 0;
    virtual void stopMediaTimer() = 0;
};

}  // namespace quorvex
