#include "TitleStrip.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

namespace quorvex {

namespace {

// Where the Windows faces are missing, the closest installed sans and serif faces stand in,
// never a bitmap font.
QFont faceOf(const QString& family, QFont::StyleHint hint, const QStringList& substitutes,
             int points) {
    if (QFont::substitutes(family).isEmpty()) QFont::insertSubstitutions(family, substitutes);
    QFont font(family, points);
    font.setStyleHint(hint, QFont::PreferOutline);
    return font;
}

}  // namespace

TitleStrip::TitleStrip(QWidget* parent) : QWidget(parent) {
    setObjectName("TitlePicture");
    setCursor(Qt::PointingHandCursor);
    setMinimumHeight(QFontMetrics(nameFont()).height() + 2 * NameTop);
}

QFont TitleStrip::nameFont() {
    QFont font = faceOf("Tahoma", QFont::SansSerif,
                        {"DejaVu Sans", "Liberation Sans", "Noto Sans", "Arial"}, 14);
    font.setBold(true);
    font.setItalic(false);
    return font;
}

QFont TitleStrip::subtitleFont() {
    QFont font = faceOf("Times New Roman", QFont::Serif,
                        {"DejaVu Serif", "Liberation Serif", "Noto Serif", "Times"}, 11);
    font.setItalic(true);
    font.setBold(false);
    return font;
}

void TitleStrip::setTexts(const QString& name, const QString& subtitle) {
    name_ = name;
    subtitle_ = subtitle + " ";
    update();
}

void TitleStrip::ReDrawTitle(TitleColour colour) {
    colour_ = colour;
    update();
}

// The subtitle follows the name after the width of one of its blanks.
int TitleStrip::subtitleLeftEdge() const {
    return NameLeft + QFontMetrics(nameFont()).horizontalAdvance(name_) +
           QFontMetrics(subtitleFont()).horizontalAdvance(' ');
}

int TitleStrip::textRight() const {
    return subtitleLeftEdge() + QFontMetrics(subtitleFont()).horizontalAdvance(subtitle_);
}

void TitleStrip::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(QColor(colour_.red, colour_.green, colour_.blue));
    painter.setFont(nameFont());
    const QFontMetrics nameMetrics(nameFont());
    painter.drawText(NameLeft, NameTop + nameMetrics.ascent(), name_);
    painter.setFont(subtitleFont());
    const int subtitleLeft = subtitleLeftEdge();
    painter.drawText(subtitleLeft, SubtitleTop + QFontMetrics(subtitleFont()).ascent(), subtitle_);
}

void TitleStrip::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

}  // namespace quorvex
