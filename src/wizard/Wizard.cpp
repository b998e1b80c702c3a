#include "Wizard.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "BannerBox.h"
#include "BurnSettingsPage.h"
#include "BurningPage.h"
#include "CopyingPage.h"
#include "DestinationPage.h"
#include "FileSystemMethods.h"
#include "HistoryPage.h"
#include "LanguageFlags.h"
#include "Languages.h"
#include "MenuPage.h"
#include "ProgramBannerImages.h"
#include "ProgramConfig.h"
#include "BurnWiring.h"
#include "RecoveryWiring.h"
#include "ReportPage.h"
#include "SourcePage.h"
#include "TitleStrip.h"
#include "WizardNavigation.h"

namespace quorvex {

namespace {

constexpr int kPageHeight = 470;
constexpr int kMediaTickMilliseconds = 1000;
constexpr std::array<const char*, 4> kBannerBoxes{"Adv2nd", "adv", "Adv3ed", "Adv4th"};

QPushButton* navigationButton(const char* name, QWidget* parent) {
    auto* button = new QPushButton(parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    button->setMinimumWidth(104);
    return button;
}

}  // namespace

Wizard::Wizard(WizardServices& services, QWidget* parent)
    : QMainWindow(parent),
      services_(services),
      bannerImages_(std::make_unique<ProgramBannerImages>()),
      media_(std::make_unique<MediaMethods>(services.state, *bannerImages_, *this,
                                            ProgramConfig::FaqSite)) {
    setObjectName("Wizard");
    buildWindow();
    connectControls();
}

Wizard::~Wizard() {
    services_.burnEvents.forwardTo(nullptr);
}

void Wizard::buildWindow() {
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* top = new QHBoxLayout;
    top->setContentsMargins(0, 4, 10, 4);
    TitlePicture = new TitleStrip(central);
    Flags = new LanguageFlags(central);
    top->addWidget(TitlePicture, 1);
    top->addWidget(Flags, 0, Qt::AlignVCenter);
    layout->addLayout(top);
    layout->addWidget(buildPages());
    auto* rule = new QFrame(central);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    layout->addWidget(rule);
    layout->addWidget(buildButtons());
    setCentralWidget(central);
    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    MediaTimer1 = new QTimer(this);
    MediaTimer1->setObjectName("MediaTimer1");
    MediaTimer1->setInterval(kMediaTickMilliseconds);
    setFixedSize(sizeHint());
}

QWidget* Wizard::buildPages() {
    menuPage_ = new MenuPage;
    sourcePage_ = new SourcePage(services_);
    burnSettingsPage_ = new BurnSettingsPage(services_);
    destinationPage_ = new DestinationPage(services_);
    copyingPage_ = new CopyingPage(services_);
    burningPage_ = new BurningPage(services_.burner, services_.prompts, services_.state);
    reportPage_ = new ReportPage;
    historyPage_ = new HistoryPage(services_, *this);
    const std::array<QWidget*, 8> pages{menuPage_,        sourcePage_,  burnSettingsPage_,
                                        destinationPage_, copyingPage_, burningPage_,
                                        reportPage_,      historyPage_};
    // Every page gets the height the tallest one needs, at least kPageHeight.
    int height = kPageHeight;
    for (QWidget* page : pages) height = std::max(height, page->minimumSizeHint().height());
    auto* viewport = new QWidget(this);
    viewport->setObjectName("PageViewport");
    viewport->setFixedSize(PageSlide::PageWidth, height);
    for (std::size_t i = 0; i < pages.size(); ++i) {
        auto* frame = new QWidget(viewport);
        frame->setObjectName(QString("mainframe_%1").arg(i));
        frame->setGeometry(0, 0, PageSlide::PageWidth, height);
        auto* frameLayout = new QVBoxLayout(frame);
        frameLayout->setContentsMargins(0, 0, 0, 0);
        frameLayout->addWidget(pages[i]);
        frame->setVisible(i == 0);
        mainframe[i] = frame;
    }
    wiring_ = std::make_unique<RecoveryWiring>(
        *this, services_,
        RecoveryWiring::Pages{*sourcePage_, *destinationPage_, *copyingPage_, *reportPage_});
    burnWiring_ = std::make_unique<BurnWiring>(
        *this, services_, *wiring_,
        BurnWiring::Pages{*sourcePage_, *destinationPage_, *burnSettingsPage_, *copyingPage_,
                          *burningPage_});
    services_.burnEvents.forwardTo(burnWiring_.get());
    connect(historyPage_, &HistoryPage::continueRequested, this,
            [this](std::int64_t number) { wiring_->continueRun(number); });
    connect(reportPage_, &ReportPage::continueRequested, this, [this] {
        if (const auto number = wiring_->shownContinuable()) wiring_->continueRun(*number);
    });
    return viewport;
}

QWidget* Wizard::buildButtons() {
    auto* bar = new QWidget(this);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(12, 8, 12, 10);
    Command10 = navigationButton("Command10", bar);
    Command11 = navigationButton("Command11", bar);
    Command12 = navigationButton("Command12", bar);
    row->addStretch(1);
    row->addWidget(Command10);
    row->addWidget(Command11);
    row->addSpacing(12);
    row->addWidget(Command12);
    return bar;
}

void Wizard::connectControls() {
    connect(Command10, &QPushButton::clicked, this, &Wizard::backClicked);
    connect(Command11, &QPushButton::clicked, this, &Wizard::nextClicked);
    connect(Command12, &QPushButton::clicked, this, &Wizard::cancelClicked);
    connect(Timer1, &QTimer::timeout, this, &Wizard::Timer1Tick);
    connect(MediaTimer1, &QTimer::timeout, this, &Wizard::MediaTimer1Tick);
    connect(TitlePicture, &TitleStrip::clicked, this, &Wizard::openVendorPage);
    connect(Flags, &LanguageFlags::languageChosen, this, &Wizard::chooseLanguage);
    connect(menuPage_, &MenuPage::entryClicked, this, &Wizard::taskFromMenu);
    connect(menuPage_, &MenuPage::entryChosen, this, [this](int row) {
        taskFromMenu(row);
        if (Command11->isEnabled() && !sliding()) menuStep();
    });
    connect(menuPage_, &MenuPage::aboutRequested, this, &Wizard::showAbout);
    // Tab runs through the page, then Back, Next and Cancel, then the flags.
    QWidget* last = Command12;
    for (int i = 0; i < LanguageFlags::Count; ++i) {
        QWidget* flag = Flags->findChild<QWidget*>(QString("Flags_%1").arg(i));
        setTabOrder(last, flag);
        last = flag;
    }
    for (const char* name : kBannerBoxes)
        if (BannerBox* box = bannerNamed(name))
            connect(box, &BannerBox::clicked, this, &Wizard::openHelpPage);
}

void Wizard::load() {
    burnSettingsPage_->setTempFolder(FileSystemMethods::GetSystemTempPath());
    navigation_.CurrentPage = WizardPage::Menu;
    for (std::size_t i = 0; i < mainframe.size(); ++i) mainframe[i]->setVisible(i == 0);
    std::int16_t language = services_.settings.startLanguage();
    Flags->placeArrow(language);
    ShowMediaState(WizardPage::Menu);
    navigation_.MenuIndexBase = wiring_->lastContinuable() ? 1 : 0;
    services_.languages.ApplyLanguage(language, *this);
    navigation_.WizardTask = static_cast<std::int16_t>(1 - navigation_.MenuIndexBase);
    menuPage_->selectRow(WizardNavigation::menuRowOfTask(navigation_.WizardTask, navigation_));
    SetNavButtons(false, true, true);
    menuPage_->list().setFocus();
    MediaTimer1->start();
}

void Wizard::chooseLanguage(std::int16_t language) {
    services_.languages.ApplyLanguage(language, *this);
    Flags->placeArrow(language);
}

void Wizard::showMainTexts(const SharedState& state) {
    const TextTable& texts = state.Lang_MainText;
    setWindowTitle(QString::fromStdString(Languages::MainWindowTitle(texts)));
    TitlePicture->setTexts(QString::fromStdString(texts[1]), QString::fromStdString(texts[11]));
    TitlePicture->setToolTip(QString::fromStdString(texts[9]));
    menuPage_->applyTexts(state);
    sourcePage_->applyTexts(state);
    burnSettingsPage_->applyTexts(state);
    destinationPage_->applyTexts(state);
    burningPage_->applyTexts(state);
    reportPage_->applyTexts(state);
    historyPage_->applyTexts(state);
    FillMainMenu(state.LangFontCharSet);
    SetStepCaptions();
}

void Wizard::showRecoveryTexts(const SharedState& state) {
    copyingPage_->applyTexts(state);
}

void Wizard::FillMainMenu(std::int16_t charSet) {
    menuPage_->FillMainMenu(charSet, navigation_, services_.state.Lang_MainText);
}

void Wizard::ReDrawTitle(TitleColour colour) {
    TitlePicture->ReDrawTitle(colour);
}

}  // namespace quorvex
