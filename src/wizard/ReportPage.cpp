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

QString shown(const std::string& text) {
    return QString::fromStdString(text);
}

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
    auto* listHeading = new QHBoxLayout;
    listHeading->addWidget(damagedCaption_, 1);
    listHeading->addWidget(details_);
    layout->addLayout(listHeading);
    layout->addWidget(damagedList_, 1);
    layout->addWidget(banner_);
}

// The counts beside the bytes, then the result, then the files left after a pause: each frame
// spans the page, so that the longest texts of every language fit in 640 pixels.
void ReportPage::buildFigures() {
    for (int number = 0; number < 3; ++number) frames_[number] = buildFrame(number);
    for (int index = 0; index < 4; ++index) {
        labels_[index] = new QLabel(this);
        labels_[index]->setObjectName("Label3_" + QString::number(index));
    }
    placeBox(frames_[0], labels_[0], 0, {0, 0});
    placeBox(frames_[0], labels_[1], 1, {1, 0});
    placeBox(frames_[0], labels_[2], 10, {2, 0});
    placeBox(frames_[0], copiedLabel_, 4, {0, 2});
    placeBox(frames_[0], lostLabel_, 5, {1, 2});
    placeBox(frames_[1], labels_[3], 2, {0, 0});
    placeBox(frames_[2], nullptr, 8, {0, 0});
    placeBox(frames_[2], nullptr, 9, {0, 1});
    frames_[2]->hide();
    for (QFrame* frame : frames_) static_cast<QVBoxLayout*>(layout())->addWidget(frame);
}

QFrame* ReportPage::buildFrame(int number) {
    auto* frame = new QFrame(this);
    frame->setObjectName("ReportPageDiv_" + QString::number(number));
    frame->setFrameShape(QFrame::StyledPanel);
    auto* grid = new QGridLayout(frame);
    grid->setColumnStretch(1, 1);
    if (number == 0) grid->setColumnStretch(3, 1);
    return frame;
}

// A read-only box at the place (row, column) of the frame's grid, with its label before it;
// without a label the box itself takes the place.
void ReportPage::placeBox(QFrame* frame, QLabel* label, int box, QPoint place) {
    boxes_[box] = new QLineEdit(frame);
    boxes_[box]->setObjectName("ConfermReportValue_" + QString::number(box));
    boxes_[box]->setReadOnly(true);
    auto* grid = static_cast<QGridLayout*>(frame->layout());
    const int row = place.x();
    if (label == nullptr) {
        grid->addWidget(boxes_[box], row, place.y());
        return;
    }
    label->setBuddy(boxes_[box]);
    grid->addWidget(label, row, place.y());
    grid->addWidget(boxes_[box], row, place.y() + 1);
}

void ReportPage::showInBox(int box, const QString& text) {
    QLineEdit* shownIn = boxes_[static_cast<std::size_t>(box)];
    shownIn->setText(text);
    shownIn->setCursorPosition(0);
    shownIn->setMinimumWidth(shownIn->fontMetrics().horizontalAdvance(text) + kBoxPadding);
}

void ReportPage::ShowSummary(bool stoppedEarly, bool paused, const RecoveryState& run,
                             const std::vector<DamageRecord>& damaged, const SharedState& state) {
    ending_ = !stoppedEarly ? Ending::Completed : paused ? Ending::Paused : Ending::Aborted;
    showInBox(0, counted(run.Items_Count - run.ItemsNotCopied_Count, state));
    showInBox(1, counted(run.CorruptedFilesCount, state));
    showInBox(10, counted(run.ItemsNotCopied_Count, state));
    showInBox(4, shown(SizeToText(static_cast<double>(run.TotalCopiedBytes))));
    showInBox(5, shown(SizeToText(static_cast<double>(run.TotalLostBytes))));
    const bool pausedRun = ending_ == Ending::Paused;
    showInBox(9, pausedRun ? counted(run.Items_Count - run.CurrentFile, state) : QString());
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
    showInBox(8, shown(state.Lang_MainText[52]));
    alignFirstColumns();
    damagedCaption_->setText(shown(state.Lang_MainText[44]));
    details_->setText(shown(state.Lang_MainText[47]));
    banner_->showTexts(state);
    showEnding(state);
}

// The result and the files left start where the counts above them start.
void ReportPage::alignFirstColumns() {
    int width = 0;
    for (int index = 0; index < 3; ++index)
        width = std::max(width, labels_[index]->sizeHint().width());
    labels_[3]->setMinimumWidth(width);
    boxes_[8]->setMinimumWidth(std::max(width, boxes_[8]->minimumWidth()));
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
    showInBox(2, shown(state.Lang_MainText[look.resultText]));
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
