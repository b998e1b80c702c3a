#include "BurningPage.h"

#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

namespace quorvex {

BurningPage::BurningPage(QWidget* parent)
    : QWidget(parent),
      tip_(new QLabel(this)),
      settings_(new QGroupBox(this)),
      banner_(new BannerBox("Adv3ed", this)) {
    tip_->setObjectName("Tips_6");
    tip_->setWordWrap(true);
    settings_->setObjectName("BurnSettings");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tip_);
    layout->addWidget(settings_, 1);
    layout->addWidget(banner_);
}

void BurningPage::applyTexts(const SharedState& state) {
    settings_->setTitle(QString::fromStdString(state.Lang_MainText[130]));
    banner_->showTexts(state);
}

}  // namespace quorvex
