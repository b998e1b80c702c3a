#include "RecoveryProcess.h"

#include <QGroupBox>
#include <QListWidget>
#include <QResizeEvent>
#include <QVBoxLayout>

#include "PathText.h"
#include "RunTimeError.h"

namespace quorvex {

namespace {
// Room beside the caption for the frame's border and the style's indent.
constexpr int kCaptionMargin = 24;
}  // namespace

RecoveryProcess::RecoveryProcess(Seams seams, SharedState& shared, RecoveryPrompts* prompts,
                                 QWidget* parent)
    : QWidget(parent),
      shared_(shared),
      following_(seams.events),
      Frame2(new RecoveryFiguresFrame(seams.clock, this)),
      engine_(servicesFor({seams.files, seams.folders, seams.messages, following_, seams.clock},
                          following_.asking(promptsFor(prompts)), Frame2->chart(),
                          shared.Lang_RPText)) {
    setObjectName("RecoveryProcess");
    buildHistoryFrame();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame1, 1);
    layout->addWidget(Frame2, 0);
    engine_.display().setObserver(this);
    retranslate();
    Frame2->showFigures(engine_.display().figures());
}

RecoveryServices RecoveryProcess::servicesFor(const Seams& seams, RecoveryPrompts& prompts,
                                              SpeedGauge& speed, const TextTable& texts) {
    return {seams.files, seams.folders, seams.messages, prompts, seams.events, speed, texts};
}

RecoveryPrompts& RecoveryProcess::promptsFor(RecoveryPrompts* given) {
    if (given != nullptr) return *given;
    ownPrompts_ = std::make_unique<QtRecoveryPrompts>(shared_.Lang_RPText, this);
    return *ownPrompts_;
}

// A long path in the caption must not widen the window, so the frame's width is its own.
void RecoveryProcess::buildHistoryFrame() {
    Frame1 = new QGroupBox(this);
    Frame1->setObjectName("Frame1");
    Frame1->setMinimumWidth(200);
    List2 = new QListWidget(Frame1);
    List2->setObjectName("List2");
    List2->setUniformItemSizes(true);
    auto* layout = new QVBoxLayout(Frame1);
    layout->addWidget(List2);
}

void RecoveryProcess::StartProcess() {
    if (engine_.state.isCopyingProcess) return;
    List2->clear();
    raiseEnd(engine_.StartProcess());
}

void RecoveryProcess::raiseEnd(RunEnd end) {
    switch (end) {
        case RunEnd::ProcessDone:
            emit ProcessDone();
            break;
        case RunEnd::ProcessPaused:
            emit ProcessPaused();
            break;
        case RunEnd::ProcessAborted:
            emit ProcessAborted();
            break;
        case RunEnd::NoEvent:
            break;
    }
}

// A character set chooses nothing on Qt, whose texts are Unicode; it is kept for the host.
void RecoveryProcess::setFontCharSet(std::int16_t charSet) {
    shared_.LangFontCharSet = charSet;
    QFont font = List2->font();
    font.setFamily("Tahoma");
    List2->setFont(font);
    Frame2->setLabelFont(font);
}

void RecoveryProcess::Lang_RPValue(int index, const std::string& text) {
    if (index < 0 || index >= static_cast<int>(shared_.Lang_RPText.size()))
        throw RunTimeError(ErrorNumber::SubscriptOutOfRange, "text index " + std::to_string(index));
    shared_.Lang_RPText[static_cast<std::size_t>(index)] = text;
    retranslate();
}

void RecoveryProcess::retranslate() {
    Frame2->retranslate(shared_.Lang_RPText);
}

void RecoveryProcess::historyLine(const std::string& text, bool added) {
    const QString shown = PathText::toDisplay(text);
    if (added || List2->count() == 0)
        List2->addItem(shown);
    else
        List2->item(List2->count() - 1)->setText(shown);
    List2->scrollToBottom();
    caption_ = shown;
    showCaption();
}

void RecoveryProcess::figuresChanged(const RecoveryFigures& figures) {
    Frame2->showFigures(figures);
}

void RecoveryProcess::itemStarted(std::int32_t number) {
    if (following_.follower != nullptr) following_.follower->itemStarted(number);
}

void RecoveryProcess::itemEnded(std::int32_t number) {
    if (following_.follower != nullptr) following_.follower->itemEnded(number);
}

void RecoveryProcess::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    showCaption();
}

void RecoveryProcess::showCaption() {
    const int room = std::max(Frame1->width() - kCaptionMargin, 0);
    Frame1->setTitle(Frame1->fontMetrics().elidedText(caption_, Qt::ElideMiddle, room));
    Frame1->setToolTip(caption_);
}

}  // namespace quorvex
