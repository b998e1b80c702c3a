#include "LanguageFlags.h"

#include <QLabel>
#include <QToolButton>
#include <algorithm>

#include "ProgramPictures.h"

namespace quorvex {

namespace {

constexpr int kFlagWidth = 32;
constexpr int kFlagHeight = 22;
constexpr int kGap = 6;
constexpr int kArrowHeight = ProgramPictures::FlagsArrowSize.height();

}  // namespace

LanguageFlags::LanguageFlags(QWidget* parent) : QWidget(parent), arrow_(new QLabel(this)) {
    for (int i = 0; i < Count; ++i) {
        auto* flag = new QToolButton(this);
        flag->setObjectName(QString("Flags_%1").arg(i));
        flag->setToolTip(Names[i]);
        flag->setAccessibleName(Names[i]);
        flag->setAutoRaise(true);
        flag->setCursor(Qt::PointingHandCursor);
        flag->setIcon(ProgramPictures::flag(i));
        flag->setIconSize({kFlagWidth, kFlagHeight});
        flag->setGeometry(i * (kFlagWidth + kGap), 0, kFlagWidth + 4, kFlagHeight + 4);
        connect(flag, &QToolButton::clicked, this, [this, i] {
            placeArrow(static_cast<std::int16_t>(i + 1));
            emit languageChosen(static_cast<std::int16_t>(i + 1));
        });
        flags_[static_cast<std::size_t>(i)] = flag;
    }
    arrow_->setObjectName("FlagsArrow");
    arrow_->setPixmap(ProgramPictures::flagsArrow());
    arrow_->setFixedSize(kFlagWidth + 4, kArrowHeight);
    setFixedSize(Count * (kFlagWidth + kGap), kFlagHeight + 6 + kArrowHeight);
    placeArrow(1);
}

void LanguageFlags::placeArrow(std::int16_t language) {
    arrowFlag_ = std::clamp(language - 1, 0, Count - 1);
    arrow_->move(flags_[static_cast<std::size_t>(arrowFlag_)]->x(), kFlagHeight + 6);
}

}  // namespace quorvex
