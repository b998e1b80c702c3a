#include "CopyingPage.h"

#include <QLabel>
#include <QVBoxLayout>

namespace quorvex {

CopyingPage::CopyingPage(WizardServices& services, QWidget* parent)
    : QWidget(parent),
      tip_(new QLabel(this)),
      process_(new RecoveryProcess(
          {services.files, services.folders, services.prompts, services.events, services.clock},
          services.state, services.recoveryPrompts, this)),
      banner_(new BannerBox("adv", this)) {
    tip_->setObjectName("Tips_3");
    tip_->setWordWrap(true);
    process_->setObjectName("RecoveryProcess1");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tip_);
    layout->addWidget(process_, 1);
    layout->addWidget(banner_);
}

void CopyingPage::showStep(std::int16_t stepNumber, const SharedState& state) {
    stepNumber_ = stepNumber;
    tip_->setText(QString::fromStdString(state.Lang_MainText[39] + " " +
                                         std::to_string(stepNumber_) + ".   " +
                                         state.Lang_MainText[41]));
}

void CopyingPage::applyTexts(const SharedState& state) {
    showStep(stepNumber_, state);
    process_->setFontCharSet(state.LangFontCharSet);
    process_->retranslate();
    banner_->showTexts(state);
}

}  // namespace quorvex
