#include "DrivePictures.h"

#include <QPainter>
#include <QPixmap>
#include <array>

#include "MountedVolume.h"

namespace quorvex {

namespace {

constexpr int Side = 32;

const char* themeName(std::int16_t type) {
    static constexpr std::array<const char*, 6> names{"drive-multidisk", "drive-removable-media",
                                                      "drive-harddisk",  "network-server",
                                                      "drive-optical",   "media-flash"};
    return type >= 0 && type < 6 ? names[static_cast<std::size_t>(type)] : names[0];
}

// A disk case seen from the front, with its activity light.
void drawCase(QPainter& painter, const QColor& body) {
    painter.setPen(QPen(body.darker(170), 1.5));
    painter.setBrush(body);
    painter.drawRoundedRect(QRectF(3, 9, 26, 14), 3, 3);
    painter.setBrush(QColor(60, 200, 80));
    painter.drawEllipse(QRectF(23, 18, 3, 3));
}

void drawDisc(QPainter& painter) {
    painter.setPen(QPen(QColor(90, 90, 110), 1.5));
    painter.setBrush(QColor(200, 205, 225));
    painter.drawEllipse(QRectF(3, 3, 26, 26));
    painter.setBrush(Qt::white);
    painter.drawEllipse(QRectF(12.5, 12.5, 7, 7));
}

void drawStick(QPainter& painter) {
    painter.setPen(QPen(QColor(40, 70, 120), 1.5));
    painter.setBrush(QColor(70, 120, 200));
    painter.drawRoundedRect(QRectF(5, 11, 18, 10), 2, 2);
    painter.setBrush(QColor(210, 210, 210));
    painter.drawRect(QRectF(23, 13, 6, 6));
}

void drawNetwork(QPainter& painter) {
    drawCase(painter, QColor(170, 185, 205));
    painter.setPen(QPen(QColor(50, 60, 80), 2));
    painter.drawLine(16, 23, 16, 28);
    painter.drawLine(6, 28, 26, 28);
}

void drawRemovable(QPainter& painter) {
    drawCase(painter, QColor(215, 200, 160));
    painter.setPen(QPen(QColor(60, 50, 30), 2));
    painter.drawLine(7, 14, 19, 14);
}

void drawUnknown(QPainter& painter) {
    drawCase(painter, QColor(190, 190, 190));
    painter.setPen(QColor(40, 40, 40));
    painter.drawText(QRectF(3, 9, 20, 14), Qt::AlignCenter, "?");
}

}  // namespace

QIcon DrivePictures::drawn(std::int16_t type) {
    QPixmap picture(Side, Side);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    switch (type) {
        case DriveType::Removable:
            drawRemovable(painter);
            break;
        case DriveType::Fixed:
            drawCase(painter, QColor(160, 165, 175));
            break;
        case DriveType::Network:
            drawNetwork(painter);
            break;
        case DriveType::CdRom:
            drawDisc(painter);
            break;
        case DriveType::RamDisk:
            drawStick(painter);
            break;
        default:
            drawUnknown(painter);
            break;
    }
    return QIcon(picture);
}

QIcon DrivePictures::forType(std::int16_t type) {
    return QIcon::fromTheme(themeName(type), drawn(type));
}

}  // namespace quorvex
