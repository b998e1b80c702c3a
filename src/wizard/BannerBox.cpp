#include "BannerBox.h"

#include <QMouseEvent>
#include <QPainter>

#include "ProgramPictures.h"

namespace quorvex {

namespace {

// The free middle of the banner picture where the hint goes: right of the program's name, left
// of the help mark.
constexpr QRect kHintArea{150, 4, 398, 48};
const QColor kHintColour{0x1d, 0x4f, 0x91};

}  // namespace

BannerBox::BannerBox(const QString& objectName, QWidget* parent) : QWidget(parent) {
    setObjectName(objectName);
    setFixedSize(ProgramPictures::BannerSize);
    setCursor(Qt::PointingHandCursor);
    QSizePolicy policy = sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    setSizePolicy(policy);
}

void BannerBox::drawPicture(const QImage& picture) {
    picture_ = picture;
    update();
}

void BannerBox::showTexts(const SharedState& state) {
    hint_ = QString::fromStdString(state.Lang_MainText[12]);
    setToolTip(hint_);
    setAccessibleName(hint_);
    update();
}

QSize BannerBox::sizeHint() const {
    return ProgramPictures::BannerSize;
}

void BannerBox::paintEvent(QPaintEvent*) {
    if (picture_.isNull()) return;
    QPainter painter(this);
    painter.drawImage(QPointF(0, 0), picture_);
    painter.setPen(kHintColour);
    painter.drawText(kHintArea, Qt::AlignRight | Qt::AlignVCenter | Qt::TextWordWrap, hint_);
}

void BannerBox::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

// A click is a press and a release of the left button inside the box, as with a button.
void BannerBox::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click) emit clicked();
}

}  // namespace quorvex
