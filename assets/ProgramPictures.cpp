#include "ProgramPictures.h"

#include <QGuiApplication>
#include <QPainter>
#include <QSvgRenderer>
#include <array>

#include "RunTimeError.h"

// The resources live in a static library; registering them from here keeps the linker from
// dropping them, whatever program links the library.
static void registerPictureResources() {
    static const bool registered = [] {
        Q_INIT_RESOURCE(pictures);
        return true;
    }();
    (void)registered;
}

namespace quorvex {

namespace {

constexpr std::array<const char*, ProgramPictures::FlagCount> kFlagFiles = {
    "flag-united-kingdom.svg", "flag-russia.svg", "flag-france.svg", "flag-spain.svg"};
constexpr std::array<const char*, ProgramPictures::MenuTaskCount> kMenuIconFiles = {
    "task-continue.svg", "task-recover.svg", "task-copy-disc.svg", "task-recover-and-burn.svg",
    "task-history.svg"};

QString resourcePath(const char* fileName) {
    return QStringLiteral(":/quorvex/pictures/") + QLatin1String(fileName);
}

double screenRatio() {
    return qGuiApp != nullptr ? qGuiApp->devicePixelRatio() : 1.0;
}

// Draws the picture into a transparent image of size x ratio device pixels; the image tells the
// ratio, so it is shown at its natural size in logical pixels.
QImage render(const char* fileName, QSize size, double ratio) {
    registerPictureResources();
    QSvgRenderer renderer(resourcePath(fileName));
    if (!renderer.isValid())
        throw RunTimeError(ErrorNumber::FileNotFound,
                           "the picture " + std::string(fileName) + " cannot be drawn");
    QImage image((QSizeF(size) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    image.setDevicePixelRatio(ratio);
    return image;
}

QPixmap pixmapOrNull(const char* fileName, QSize size) {
    try {
        return QPixmap::fromImage(render(fileName, size, screenRatio()));
    } catch (const RunTimeError&) {
        return {};
    }
}

// An icon holds the picture at one and at two device pixels per logical pixel, so that it is
// sharp at 100 % and at 200 %.
QIcon iconOf(const char* fileName, QSize size) {
    QIcon icon;
    try {
        for (const double ratio : {1.0, 2.0})
            icon.addPixmap(QPixmap::fromImage(render(fileName, size, ratio)));
    } catch (const RunTimeError&) {
        return {};
    }
    return icon;
}

}  // namespace

QImage ProgramPictures::bannerImage() {
    return render("banner.svg", BannerSize, screenRatio());
}

QPixmap ProgramPictures::flag(int flagIndex) {
    if (flagIndex < 0 || flagIndex >= FlagCount) return {};
    return pixmapOrNull(kFlagFiles[static_cast<std::size_t>(flagIndex)], FlagSize);
}

QPixmap ProgramPictures::flagsArrow() {
    return pixmapOrNull("flags-arrow.svg", FlagsArrowSize);
}

QIcon ProgramPictures::menuIcon(int task) {
    if (task < 0 || task >= MenuTaskCount) return {};
    return iconOf(kMenuIconFiles[static_cast<std::size_t>(task)], MenuIconSize);
}

QPixmap ProgramPictures::aboutPicture() {
    return pixmapOrNull("quorvex.svg", AboutPictureSize);
}

QIcon ProgramPictures::programIcon() {
    return iconOf("quorvex.svg", AboutPictureSize);
}

}  // namespace quorvex
