#include "BurningPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>
#include <utility>

#include "DefaultImageName.h"
#include "ProgramConfig.h"

namespace quorvex {

namespace {

constexpr int ReadinessPollMs = 2000;
constexpr int ProgressPollMs = 200;
constexpr int ProgressSteps = 1000;

bool runningPhase(BurnPhase phase) {
    return phase == BurnPhase::Writing || phase == BurnPhase::Verifying ||
           phase == BurnPhase::Erasing;
}

template <typename Widget>
Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(name);
    return widget;
}

}  // namespace

BurningPage::BurningPage(BurnDesk& desk, Prompts& prompts, const SharedState& state,
                         QWidget* parent)
    : QWidget(parent),
      desk_(desk),
      prompts_(prompts),
      state_(state),
      tip_(named(new QLabel(this), "Tips_6")),
      settings_(named(new QGroupBox(this), "BurnSettings")),
      banner_(new BannerBox("Adv3ed", this)),
      burnerChoice_(named(new QComboBox, "BurnerChoice")),
      imageFile_(named(new QLineEdit, "ImageFile")),
      imageBrowse_(named(new QPushButton, "ImageBrowse")),
      mediumState_(named(new QLabel, "MediumState")),
      dataSize_(named(new QLabel, "DataSize")),
      volumeLabel_(named(new QLineEdit, "VolumeLabel")),
      verify_(named(new QCheckBox, "VerifyAfterBurn")),
      start_(named(new QPushButton, "StartBurn")),
      progressBar_(named(new QProgressBar, "BurnProgressBar")),
      progressText_(named(new QLabel, "BurnProgressText")),
      result_(named(new QLabel, "BurnResult")) {
    tip_->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tip_);
    layout->addWidget(settings_, 1);
    layout->addWidget(banner_);
    new QVBoxLayout(settings_);
    settings_->layout()->addWidget(buildControls());
    verify_->setChecked(true);
    progressBar_->setRange(0, ProgressSteps);
    progressBar_->setValue(0);
    result_->setWordWrap(true);
    result_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    readiness_.setInterval(ReadinessPollMs);
    progress_.setInterval(ProgressPollMs);
    connect(&readiness_, &QTimer::timeout, this, &BurningPage::refreshMedium);
    connect(&mediumLook_, &QFutureWatcher<MediumInfo>::finished, this, &BurningPage::showMedium);
    connect(&progress_, &QTimer::timeout, this, &BurningPage::followProgress);
    connect(burnerChoice_, &QComboBox::activated, this, &BurningPage::chooseBurner);
    connect(imageFile_, &QLineEdit::editingFinished, this, &BurningPage::chooseBurner);
    connect(imageBrowse_, &QPushButton::clicked, this, &BurningPage::browseImage);
    connect(start_, &QPushButton::clicked, this, &BurningPage::startBurn);
}

BurningPage::~BurningPage() {
    mediumLook_.waitForFinished();
}

QWidget* BurningPage::buildControls() {
    auto* controls = new QWidget;
    auto* form = new QFormLayout(controls);
    auto* imageRow = new QHBoxLayout;
    imageRow->addWidget(imageFile_, 1);
    imageRow->addWidget(imageBrowse_);
    const std::vector<std::pair<int, QWidget*>> rows{
        {109, burnerChoice_}, {111, nullptr}, {112, mediumState_}, {122, dataSize_},
        {124, volumeLabel_}};
    for (const auto& [textIndex, field] : rows) {
        auto* caption = new QLabel;
        caption->setProperty("textIndex", textIndex);
        captions_.push_back(caption);
        if (field != nullptr) form->addRow(caption, field);
        else form->addRow(caption, imageRow);
    }
    form->addRow(verify_);
    auto* startRow = new QHBoxLayout;
    startRow->addWidget(start_);
    startRow->addWidget(progressBar_, 1);
    form->addRow(startRow);
    form->addRow(progressText_);
    form->addRow(result_);
    return controls;
}

void BurningPage::applyTexts(const SharedState& state) {
    settings_->setTitle(QString::fromStdString(state.Lang_MainText[130]));
    for (QLabel* caption : captions_) caption->setText(text(caption->property("textIndex").toInt()));
    verify_->setText(text(125));
    start_->setText(text(127));
    imageBrowse_->setText(text(134));
    if (burnerChoice_->count() > 0)
        burnerChoice_->setItemText(burnerChoice_->count() - 1, text(110));
    banner_->showTexts(state);
}

void BurningPage::prepare(const std::string& defaultLabel) {
    burners_ = desk_.burners();
    burnerChoice_->clear();
    for (const BurnTarget& burner : burners_)
        burnerChoice_->addItem(QString::fromStdString(burner.displayName));
    burnerChoice_->addItem(text(110));
    burnerChoice_->setCurrentIndex(0);
    volumeLabel_->setText(QString::fromStdString(defaultLabel));
    // A file the user agreed to replace for an earlier burn is asked about again.
    confirmedImage_.clear();
    if (imageFile_->text().isEmpty())
        imageFile_->setText(DefaultImageName::freeNameFor(volumeLabel_->text()));
    result_->clear();
    progressText_->clear();
    progressBar_->setValue(0);
    setRunning(false);
    applySettings();
}

void BurningPage::showJob() {
    dataSize_->setText(BurnStatusText::size(desk_.dataSize()));
    refreshMedium();
}

void BurningPage::chooseBurner() {
    if (running_) return;
    setRunning(false);
    applySettings();
    refreshMedium();
}

void BurningPage::browseImage() {
    const std::string chosen = saveNames_.askSaveName(
        text(146).toStdString(), imageFile_->text().toStdString(), text(147).toStdString() + " (*.iso)");
    if (chosen.empty()) return;
    // The dialog has asked before naming a file that exists.
    confirmedImage_ = chosen;
    imageFile_->setText(QString::fromStdString(chosen));
    chooseBurner();
}

void BurningPage::startBurn() {
    if (running_) return;
    result_->clear();
    if (!imageMayBeWritten()) return;
    applySettings();
    const StartRefusal refusal = desk_.startBurn();
    if (!refusal.started()) {
        result_->setText(BurnStatusText(state_.Lang_MainText).refusal(refusal));
        return;
    }
    emit writingStarted();
    followJob();
}

// An image file that exists is replaced only when the user says so.
bool BurningPage::imageMayBeWritten() {
    if (!imageChosen()) return true;
    const QString path = imagePath();
    const QFileInfo file(path);
    if (path.isEmpty() || (!file.exists() && !file.isSymLink())) return true;
    if (path.toStdString() == confirmedImage_) return true;
    const PromptAnswer answer = prompts_.messageBox(PromptIcon::Exclamation, PromptButtons::YesNo,
                                                    ProgramConfig::Title, text(145).toStdString());
    if (answer != PromptAnswer::Yes) return false;
    confirmedImage_ = path.toStdString();
    return true;
}

bool BurningPage::imageChosen() const {
    return static_cast<std::size_t>(burnerChoice_->currentIndex()) >= burners_.size();
}

// The image file's name as an absolute path, shown so in its box too.
QString BurningPage::imagePath() {
    const QString path = imageFile_->text().trimmed();
    imageFile_->setText(path.isEmpty() ? path : QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
    return imageFile_->text();
}

void BurningPage::applySettings() {
    if (imageChosen()) {
        BurnTarget target = BurnTarget::imageAt(imagePath().toStdString());
        target.replaceExistingImage = target.imagePath() == confirmedImage_;
        desk_.setTarget(target);
    } else {
        desk_.setTarget(burners_[static_cast<std::size_t>(burnerChoice_->currentIndex())]);
    }
    desk_.setVolumeLabel(volumeLabel_->text().toStdString());
    desk_.setVerifyAfterBurn(verify_->isChecked());
}

void BurningPage::refreshMedium() {
    if (running_ || mediumLook_.isRunning()) return;
    BurnDesk* desk = &desk_;
    mediumLook_.setFuture(QtConcurrent::run([desk] { return desk->medium(); }));
}

void BurningPage::showMedium() {
    if (running_) return;
    mediumState_->setText(BurnStatusText(state_.Lang_MainText).medium(mediumLook_.result()));
}

void BurningPage::followJob() {
    const BurnPhase phase = desk_.progress().phase;
    if (!runningPhase(phase)) return;
    followingErase_ = phase == BurnPhase::Erasing;
    setRunning(true);
    progress_.start();
    followProgress();
}

void BurningPage::followProgress() {
    const BurnProgress progress = desk_.progress();
    const std::uint64_t total = progress.bytesTotal;
    progressBar_->setValue(total == 0 ? 0
                                      : static_cast<int>(std::min(progress.bytesDone, total) *
                                                         ProgressSteps / total));
    progressText_->setText(BurnStatusText(state_.Lang_MainText).progress(progress));
    if (runningPhase(progress.phase)) return;
    progress_.stop();
    // A burn's end comes with the burner's notification; an erase ends here.
    if (!std::exchange(followingErase_, false)) return;
    if (progress.phase == BurnPhase::Failed)
        result_->setText(text(140) + " " + QString::fromStdString(progress.failure));
    setRunning(false);
    refreshMedium();
}

BurnOutcome BurningPage::finish(bool cancelled) {
    progress_.stop();
    followProgress();
    const BurnOutcome outcome =
        BurnStatusText(state_.Lang_MainText).outcome(desk_.progress(), cancelled);
    result_->setText(outcome.message);
    setRunning(false);
    return outcome;
}

void BurningPage::setRunning(bool running) {
    running_ = running;
    for (QWidget* control : std::initializer_list<QWidget*>{burnerChoice_, volumeLabel_, verify_, start_})
        control->setEnabled(!running);
    imageFile_->setEnabled(imageChosen() && !running);
    imageBrowse_->setEnabled(imageChosen() && !running);
}

void BurningPage::showEvent(QShowEvent* event) {
    readiness_.start();
    QWidget::showEvent(event);
}

void BurningPage::hideEvent(QHideEvent* event) {
    readiness_.stop();
    QWidget::hideEvent(event);
}

QString BurningPage::text(int index) const {
    return QString::fromStdString(state_.Lang_MainText[static_cast<std::size_t>(index)]);
}

}  // namespace quorvex
