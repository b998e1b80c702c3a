#include "ReportPage.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "DamagedFileLine.h"
#include "PathText.h"
#include "SizeToText.h"

namespace quorvex {

namespace {

// Room in a text box beside its text: the frame and the text margins on both sides.
constexpr int kBoxPadding = 16;

QString shown(const std::string& text) { return QString::fromStdString(text); }

// A count as the report shows it: the number, a blank, main text 57.
QString counted(std::int64_t count, const SharedState& state) {
    return shown(std::to_string(count) + " " + state.Lang_MainText[57]);
}

}  // namespace

ReportPage::ReportPage(QWidget* parent)
    : QWidget(parent),
      copiedLabel_(new QLabel(this)),
      lostLabel_(new QLabel(this)),
      tip_(new QLabel(this)),
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
    copiedLabel_->setObjectName("CopiedBytesLabel");
    lostLabel_->setObjectName("LostBytesLabel");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tip_);
    buildFigures();
    layout->addWidget(damagedCaption_);
    layout->addWidget(damagedList_, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(banner_, 1);
    bottom->addWidget(details_, 0, Qt::AlignBottom);
    layout->addLayout(bottom);
}

// Counts and the result on the left; bytes, and the files left after a pause, on the right.
void ReportPage::buildFigures() {
    for (int number = 0; number < 3; ++number) frames_[number] = buildFrame(number);
    for (int index = 0; index < 4; ++index) {
        labels_[index] = new QLabel(this);
        labels_[index]->setObjectName("Label3_" + QString::number(index));
    }
    addRow(frames_[0], labels_[0], 0);
    addRow(frames_[0], labels_[1], 1);
    addRow(frames_[0], labels_[2], 10);
    addRow(frames_[0], labels_[3], 2);
    addRow(frames_[1], copiedLabel_, 4);
    addRow(frames_[1], lostLabel_, 5);
    addRow(frames_[2], nullptr, 8);
    auto* row = static_cast<QGridLayout*>(frames_[2]->layout());
    row->addWidget(boxes_[8], 0, 0);
    addRow(frames_[2], nullptr, 9);
    row->addWidget(boxes_[9], 0, 1);
    frames_[2]->hide();
    auto* right = new QVBoxLayout;
    right->addWidget(frames_[1]);
    right->addWidget(frames_[2]);
    right->addStretch(1);
    auto* figures = new QHBoxLayout;
    figures->addWidget(frames_[0], 3);
    figures->addLayout(right, 2);
    static_cast<QVBoxLayout*>(layout())->addLayout(figures);
}

QFrame* ReportPage::buildFrame(int number) {
    auto* frame = new QFrame(this);
    frame->setObjectName("ReportPageDiv_" + QString::number(number));
    frame->setFrameShape(QFrame::StyledPanel);
    auto* grid = new QGridLayout(frame);
    grid->setColumnStretch(1, 1);
    return frame;
}

// A label with its read-only box on the next row of the frame; without a label the caller
// places the box.
void ReportPage::addRow(QFrame* frame, QLabel* label, int box) {
    boxes_[box] = new QLineEdit(frame);
    boxes_[box]->setObjectName("ConfermReportValue_" + QString::number(box));
    boxes_[box]->setReadOnly(true);
    if (label == nullptr) return;
    auto* grid = static_cast<QGridLayout*>(frame->layout());
    const int row = grid->rowCount();
    label->setBuddy(boxes_[box]);
    grid->addWidget(label, row, 0);
    grid->addWidget(boxes_[box], row, 1);
}

void ReportPage::ShowSummary(bool stoppedEarly, bool paused, const RecoveryState& run,
                             const std::vector<DamageRecord>& damaged, const SharedState& state) {
    ending_ = !stoppedEarly ? Ending::Completed : paused ? Ending::Paused : Ending::Aborted;
    boxes_[0]->setText(counted(run.Items_Count - run.ItemsNotCopied_Count, state));
    boxes_[1]->setText(counted(run.CorruptedFilesCount, state));
    boxes_[10]->setText(counted(run.ItemsNotCopied_Count, state));
    boxes_[4]->setText(shown(SizeToText(static_cast<double>(run.TotalCopiedBytes))));
    boxes_[5]->setText(shown(SizeToText(static_cast<double>(run.TotalLostBytes))));
    const bool pausedRun = ending_ == Ending::Paused;
    boxes_[9]->setText(pausedRun ? counted(run.Items_Count - run.CurrentFile, state) : QString());
    frames_[2]->setVisible(pausedRun);
    showEnding(state);
    showDamagedFiles(damaged, state);
}

void ReportPage::applyTexts(const SharedState& state) {
    const int labelTexts[] = {53, 55, 54, 136};
    for (int index = 0; index < 4; ++index)
        labels_[index]->setText(shown(state.Lang_MainText[labelTexts[index]]));
    copiedLabel_->setText(shown(state.Lang_MainText[42]));
    lostLabel_->setText(shown(state.Lang_MainText[43]));
    boxes_[8]->setText(shown(state.Lang_MainText[52]));
    boxes_[8]->setMinimumWidth(boxes_[8]->fontMetrics().horizontalAdvance(boxes_[8]->text()) +
                               kBoxPadding);
    damagedCaption_->setText(shown(state.Lang_MainText[44]));
    details_->setText(shown(state.Lang_MainText[47]));
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
    boxes_[2]->setText(shown(state.Lang_MainText[look.resultText]));
}

void ReportPage::showDamagedFiles(const std::vector<DamageRecord>& damaged,
                                  const SharedState& state) {
    damagedList_->clear();
    for (const DamageRecord& record : damaged)
        damagedList_->addItem(PathText::toDisplay(DamagedFileLine::of(record, state.Lang_MainText)));
    if (damaged.empty()) damagedList_->addItem(shown(state.Lang_MainText[59]));
}

}  // namespace quorvex
