#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "FaqPage.h"
#include "MediaMethods.h"
#include "RunTimeError.h"

namespace quorvex {
namespace {

const std::string kSite = "https://help.example/";

// Records what the page banners were asked to do, one text per call.
class RecordingBannerView final : public BannerView {
public:
    void drawBanner(const std::string& boxName, const QImage& picture) override {
        if (failDrawing) throw RunTimeError(ErrorNumber::InternalError, "no such box");
        calls.push_back("draw " + boxName + " " + std::to_string(picture.width()));
    }
    void showBanner(const std::string& boxName) override { calls.push_back("show " + boxName); }
    void hideAllBanners() override { calls.push_back("hide all"); }
    void stopMediaTimer() override { calls.push_back("stop timer"); }

    std::vector<std::string> takeCalls() { return std::exchange(calls, {}); }

    std::vector<std::string> calls;
    bool failDrawing = false;
};

// A banner image list whose first image is a plain picture of a given width, or fails.
class ScriptedBannerImages final : public BannerImages {
public:
    QImage first() override {
        if (failing) throw RunTimeError(ErrorNumber::FileNotFound, "banner");
        QImage image(width, 56, QImage::Format_ARGB32);
        image.fill(Qt::blue);
        return image;
    }

    int width = 600;
    bool failing = false;
};

class MediaMethodsTest : public ::testing::Test {
protected:
    SharedState state;
    ScriptedBannerImages images;
    RecordingBannerView view;
    MediaMethods media{state, images, view, kSite};
};

// Every call takes the image and rebuilds the help link for the language of that moment (with
// "l=2" for language 2), also on pages without a banner.
TEST_F(MediaMethodsTest, EachPageDrawsAndShowsItsOwnBannerBoxOrNone) {
    const std::pair<std::int16_t, const char*> pages[] = {
        {0, ""},       {1, ""},       {2, "Adv2nd"}, {3, ""},  {4, "adv"},
        {5, "Adv3ed"}, {6, "Adv4th"}, {7, ""},       {-1, ""}, {8, ""}};
    for (const auto& [page, box] : pages) {
        images.width = 100 + page;
        state.CurrentLanguage = static_cast<std::int16_t>(page % 3);
        media.ShowMediaState(page);
        const std::string name = box;
        const std::vector<std::string> expected =
            name.empty() ? std::vector<std::string>{}
                         : std::vector<std::string>{
                               "draw " + name + " " + std::to_string(100 + page), "show " + name};
        EXPECT_EQ(view.takeCalls(), expected) << "page " << page;
        EXPECT_EQ(media.MediaPicture().width(), 100 + page) << "the image is taken on every page";
        EXPECT_EQ(state.FaqLink, FaqPage::FaqLinkFor(kSite, state.CurrentLanguage))
            << "page " << page;
    }
}

// A banner that cannot be had or drawn stops the timer and hides every banner box; a later call
// that succeeds shows its page's banner again and leaves the timer stopped.
TEST_F(MediaMethodsTest, AFailureHidesEveryBannerAndStopsTheTimerForGood) {
    const std::vector<std::string> failed = {"stop timer", "hide all"};
    media.ShowMediaState(4);
    view.takeCalls();

    images.failing = true;
    state.CurrentLanguage = 2;
    EXPECT_NO_THROW(media.ShowMediaState(2));
    EXPECT_EQ(view.takeCalls(), failed);
    EXPECT_EQ(state.FaqLink, FaqPage::FaqLinkFor(kSite, 0)) << "the failure came first";

    EXPECT_NO_THROW(media.ShowMediaState(0));
    EXPECT_EQ(view.takeCalls(), failed) << "also on a page without a banner";

    images.failing = false;
    view.failDrawing = true;
    EXPECT_NO_THROW(media.ShowMediaState(5));
    EXPECT_EQ(view.takeCalls(), failed) << "a box that cannot be drawn";

    view.failDrawing = false;
    media.ShowMediaState(6);
    EXPECT_EQ(view.takeCalls(), (std::vector<std::string>{"draw Adv4th 600", "show Adv4th"}));
    EXPECT_EQ(state.FaqLink, FaqPage::FaqLinkFor(kSite, 2));
}

// The banner of the page showing at the tick is drawn on the first tick and every eighth after.
TEST_F(MediaMethodsTest, TheTimerRedrawsOnTheFirstTickAndThenEveryEighth) {
    std::vector<int> redrawnAt;
    std::vector<std::int16_t> ticks;
    for (int tick = 1; tick <= 20; ++tick) {
        const std::int16_t page = tick < 10 ? 4 : 6;
        media.MediaTimerTick(page);
        ticks.push_back(state.MediaTick);
        const std::vector<std::string> calls = view.takeCalls();
        if (!calls.empty()) {
            redrawnAt.push_back(tick);
            EXPECT_EQ(calls.front(),
                      std::string("draw ") + (page == 4 ? "adv" : "Adv4th") + " 600");
        }
    }
    EXPECT_EQ(redrawnAt, (std::vector<int>{1, 9, 17}));
    EXPECT_EQ(ticks, (std::vector<std::int16_t>{1, 2, 3, 4, 5, 6, 7, 0, 1, 2,
                                                3, 4, 5, 6, 7, 0, 1, 2, 3, 4}));
}

}  // namespace
}  // namespace quorvex
