#include "MediaMethods.h"

#include <array>
#include <exception>
#include <utility>

#include "FaqPage.h"

namespace quorvex {

namespace {

struct PageBanner {
    std::int16_t page;
    const char* box;
};

constexpr std::array<PageBanner, 4> kPageBanners = {
    {{2, "Adv2nd"}, {4, "adv"}, {5, "Adv3ed"}, {6, "Adv4th"}}};

}  // namespace

MediaMethods::MediaMethods(SharedState& state, BannerImages& images, BannerView& view,
                           std::string faqSite)
    : state_(state), images_(images), view_(view), faqSite_(std::move(faqSite)) {}

void MediaMethods::ShowMediaState(std::int16_t page) {
    try {
        mediaPicture_ = images_.first();
        state_.FaqLink = FaqPage::FaqLinkFor(faqSite_, state_.CurrentLanguage);
        const std::string box = BannerBoxOf(page);
        if (box.empty()) return;
        view_.drawBanner(box, mediaPicture_);
        view_.showBanner(box);
    } catch (const std::exception&) {
        // A banner is decoration: without it the window works on, so the failure ends here.
        view_.stopMediaTimer();
        view_.hideAllBanners();
    }
}

void MediaMethods::MediaTimerTick(std::int16_t currentPage) {
    if (state_.MediaTick == 0) ShowMediaState(currentPage);
    ++state_.MediaTick;
    if (state_.MediaTick >= TicksPerRedraw) state_.MediaTick = 0;
}

std::string MediaMethods::BannerBoxOf(std::int16_t page) {
    for (const PageBanner& banner : kPageBanners)
        if (banner.page == page) return banner.box;
    return {};
}

}  // namespace quorvex
