#pragma once

#include <QImage>
#include <cstdint>
#include <string>

#include "BannerImages.h"
#include "BannerView.h"
#include "SharedState.h"

namespace quorvex {

// The page banners: draws the banner of a page, rebuilds the help link for the current
// language, and counts the ticks of the window's media timer (1000 ms) so that the banner of
// the showing page is redrawn on the first tick and then every eighth.
class MediaMethods {
public:
    static constexpr int TicksPerRedraw = 8;

    MediaMethods(SharedState& state, BannerImages& images, BannerView& view, std::string faqSite);

    // Takes the first banner image into MediaPicture(), rebuilds FaqLink, then draws the
    // picture into the page's banner box and shows that box (pages 2, 4, 5 and 6; other pages
    // have none). Never raises: any failure stops the media timer and hides every banner box.
    void ShowMediaState(std::int16_t page);

    // One tick of the media timer: ShowMediaState(currentPage) when MediaTick is 0, then
    // MediaTick counts on, back to 0 after 7.
    void MediaTimerTick(std::int16_t currentPage);

    // The hidden holder of the last banner image taken.
    const QImage& MediaPicture() const { return mediaPicture_; }

    // The banner box of a page: "Adv2nd", "adv", "Adv3ed", "Adv4th", or "" for none.
    static std::string BannerBoxOf(std::int16_t page);

private:
    SharedState& state_;
    BannerImages& images_;
    BannerView& view_;
    std::string faqSite_;
    QImage mediaPicture_;
};

}  // namespace quorvex
