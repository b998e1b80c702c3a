#include "ReportPage.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "DamagedFileLine.h"
#include "PathText.h"

namespace quorvex {

namespace {

QString shown(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

ReportPage::ReportPage(QWidget* parent)
    : QWidget(parent),
      tip_(new QLabel(this)),
      figures_(new ReportFigures(this)),
      damagedCaption_(new QLabel(this)),
      damagedList_(new QListWidget(this)),
      details_(new QPushButton(this)),
      banner_(new BannerBox("Adv4th", this)) {
    tip_->setObjectName("Tips_2");
    tip_->setWordWrap(true);
    damagedList_->setObjectName("Page3_Info");
    damagedCaption_->setBuddy(damagedList_);
    details_->setObjectName("ReportDetails");
    details_->setEnabled(false);
    connect(details_, &QPushButton::clicked, this, &ReportPage::continueRequested);
    auto* listHeading = new QHBoxLayout;
    listHeading->addWidget(damagedCaption_, 1);
    listHeading->addWidget(details_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tip_);
    layout->addWidget(figures_);
    layout->addLayout(listHeading);
    layout->addWidget(damagedList_, 1);
    layout->addWidget(banner_);
}

void ReportPage::ShowSummary(bool stoppedEarly, bool paused, const RecoveryState& run,
                             const std::vector<DamageRecord>& damaged, const SharedState& state) {
    ending_ = !stoppedEarly ? Ending::Completed : paused ? Ending::Paused : Ending::Aborted;
    figures_->showRun(run, ending_ == Ending::Paused, state);
    showEnding(state);
    showDamagedFiles(damaged, state);
}

void ReportPage::offerContinue(bool offered) {
    details_->setEnabled(offered);
}

void ReportPage::applyTexts(const SharedState& state) {
    figures_->applyTexts(state);
    damagedCaption_->setText(shown(state.Lang_MainText[44]));
    details_->setText(shown(state.Lang_MainText[50]));
    banner_->showTexts(state);
    showEnding(state);
}

// The tip and its colour, and the result box, by how the run ended.
void ReportPage::showEnding(const SharedState& state) {
    struct Look {
        int tipText;
        QColor colour;
        int resultText;
    };
    const Look look = ending_ == Ending::Paused    ? Look{75, QColor(0, 190, 0), 129}
                      : ending_ == Ending::Aborted ? Look{75, QColor(255, 0, 0), 75}
                                                   : Look{51, QColor(0, 0, 192), 137};
    tip_->setText(shown(state.Lang_MainText[look.tipText]));
    QPalette palette = tip_->palette();
    palette.setColor(QPalette::WindowText, look.colour);
    tip_->setPalette(palette);
    figures_->showResult(shown(state.Lang_MainText[look.resultText]));
}

void ReportPage::showDamagedFiles(const std::vector<DamageRecord>& damaged,
                                  const SharedState& state) {
    damagedList_->clear();
    for (const DamageRecord& record : damaged)
        damagedList_->addItem(
            PathText::toDisplay(DamagedFileLine::of(record, state.Lang_MainText)));
    if (!damaged.empty()) return;
    auto* none = new QListWidgetItem(shown(state.Lang_MainText[59]), damagedList_);
    none->setFlags(Qt::NoItemFlags);
}

}  // namespace quorvex
