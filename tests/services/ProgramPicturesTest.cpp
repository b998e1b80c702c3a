#include <gtest/gtest.h>

#include <functional>

#include "ProgramBannerImages.h"
#include "ProgramPictures.h"

namespace quorvex {
namespace {

// How much of a picture is drawn: the share of pixels that are not fully transparent.
double coveredShare(const QImage& image) {
    const QImage pixels = image.convertToFormat(QImage::Format_ARGB32);
    qsizetype covered = 0;
    for (int y = 0; y < pixels.height(); ++y)
        for (int x = 0; x < pixels.width(); ++x) covered += qAlpha(pixels.pixel(x, y)) > 0;
    return double(covered) / double(pixels.width() * pixels.height());
}

struct Picture {
    const char* name;
    std::function<QImage()> draw;
    QSize size;
    double leastCovered;
};

// Every picture is drawn (a broken or missing file gives a null picture) at its natural size,
// and sharp on a screen of any scale: its pixels are its logical size times the screen's ratio.
TEST(ProgramPicturesTest, EveryPictureIsDrawnAtItsNaturalSize) {
    const auto icon = [](int task) {
        return [task] { return ProgramPictures::menuIcon(task).pixmap(48, 48).toImage(); };
    };
    const auto flag = [](int index) {
        return [index] { return ProgramPictures::flag(index).toImage(); };
    };
    const Picture pictures[] = {
        {"banner", [] { return ProgramBannerImages().first(); }, {600, 56}, 0.99},
        {"flag 0", flag(0), {32, 22}, 0.99},
        {"flag 1", flag(1), {32, 22}, 0.99},
        {"flag 2", flag(2), {32, 22}, 0.99},
        {"flag 3", flag(3), {32, 22}, 0.99},
        {"flags arrow", [] { return ProgramPictures::flagsArrow().toImage(); }, {32, 8}, 0.3},
        {"task 0", icon(0), {48, 48}, 0.3},
        {"task 1", icon(1), {48, 48}, 0.3},
        {"task 2", icon(2), {48, 48}, 0.3},
        {"task 3", icon(3), {48, 48}, 0.3},
        {"task 4", icon(4), {48, 48}, 0.3},
        {"about", [] { return ProgramPictures::aboutPicture().toImage(); }, {64, 64}, 0.5},
    };
    for (const Picture& picture : pictures) {
        const QImage image = picture.draw();
        ASSERT_FALSE(image.isNull()) << picture.name;
        EXPECT_EQ(image.deviceIndependentSize().toSize(), picture.size) << picture.name;
        EXPECT_EQ(image.size(), (QSizeF(picture.size) * image.devicePixelRatio()).toSize())
            << picture.name;
        EXPECT_GE(coveredShare(image), picture.leastCovered) << picture.name;
    }
}

}  // namespace
}  // namespace quorvex
