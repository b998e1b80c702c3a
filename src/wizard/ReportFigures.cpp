#include "ReportFigures.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

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

ReportFigures::ReportFigures(QWidget* parent)
    : QWidget(parent), copiedLabel_(new QLabel(this)), lostLabel_(new QLabel(this)) {
    copiedLabel_->setObjectName("CopiedBytesLabel");
    lostLabel_->setObjectName("LostBytesLabel");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    for (int number = 0; number < 3; ++number) {
        frames_[number] = buildFrame(number);
        layout->addWidget(frames_[number]);
    }
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
}

QFrame* ReportFigures::buildFrame(int number) {
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
void ReportFigures::placeBox(QFrame* frame, QLabel* label, int box, QPoint place) {
    boxes_[box] = new QLineEdit(frame);
    boxes_[box]->setObjectName("ConfermReportValue_" + QString::number(box));
    boxes_[box]->setReadOnly(true);
    // Tab runs through what the user can act on; a click still selects a value to copy.
    boxes_[box]->setFocusPolicy(Qt::ClickFocus);
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

void ReportFigures::applyTexts(const SharedState& state) {
    const int labelTexts[] = {53, 55, 54, 136};
    for (int index = 0; index < 4; ++index)
        labels_[index]->setText(shown(state.Lang_MainText[labelTexts[index]]));
    copiedLabel_->setText(shown(state.Lang_MainText[42]));
    lostLabel_->setText(shown(state.Lang_MainText[43]));
    showInBox(8, shown(state.Lang_MainText[52]));
    alignFirstColumns();
}

void ReportFigures::showRun(const RecoveryState& run, bool paused, const SharedState& state) {
    showInBox(0, counted(run.Items_Count - run.ItemsNotCopied_Count, state));
    showInBox(1, counted(run.CorruptedFilesCount, state));
    showInBox(10, counted(run.ItemsNotCopied_Count, state));
    showInBox(4, shown(SizeToText(static_cast<double>(run.TotalCopiedBytes))));
    showInBox(5, shown(SizeToText(static_cast<double>(run.TotalLostBytes))));
    showInBox(9, paused ? counted(run.Items_Count - run.CurrentFile, state) : QString());
    frames_[2]->setVisible(paused);
}

// The whole text shows from its start: the box is made wide enough for it.
void ReportFigures::showInBox(int box, const QString& text) {
    QLineEdit* shownIn = boxes_[static_cast<std::size_t>(box)];
    shownIn->setText(text);
    shownIn->setCursorPosition(0);
    shownIn->setMinimumWidth(shownIn->fontMetrics().horizontalAdvance(text) + kBoxPadding);
}

// The result and the files left start where the counts above them start.
void ReportFigures::alignFirstColumns() {
    int width = 0;
    for (int index = 0; index < 3; ++index)
        width = std::max(width, labels_[index]->sizeHint().width());
    labels_[3]->setMinimumWidth(width);
    boxes_[8]->setMinimumWidth(std::max(width, boxes_[8]->minimumWidth()));
}

}  // namespace quorvex
