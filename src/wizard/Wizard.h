#pragma once

#include <QMainWindow>
#include <array>
#include <cstdint>
#include <memory>

#include "BannerView.h"
#include "LanguageView.h"
#include "MediaMethods.h"
#include "PageSlide.h"
#include "WizardFlow.h"
#include "WizardServices.h"

class QPushButton;
class QTimer;

namespace quorvex {

class BannerBox;
class BurnSettingsPage;
class BurningPage;
class CopyingPage;
class DestinationPage;
class HistoryPage;
class LanguageFlags;
class MenuPage;
class BurnWiring;
class RecoveryWiring;
class ReportPage;
class SourcePage;
class TitleStrip;

// The program's main window: eight pages mainframe_0..7 stacked in one 640-pixel-wide place
// and slid in and out, the navigation buttons Command10 (Back), Command11 (Next) and Command12
// (Cancel, Stop or Exit), the title strip TitlePicture and the language flags.
class Wizard : public QMainWindow, public LanguageView, public WizardFlow, public BannerView {
    Q_OBJECT

  public:
    explicit Wizard(WizardServices& services, QWidget* parent = nullptr);
    ~Wizard() override;

    // The load handler: temporary folder, first page, stored language, banner, texts, first
    // task. Raises RunTimeError when it fails.
    void load();

    void showMainTexts(const SharedState& state) override;
    void showRecoveryTexts(const SharedState& state) override;

    WizardState& navigation() override { return navigation_; }
    void MoveToFrame() override;
    void SetNavButtons(bool back, bool next, bool cancel) override;
    void disableCancel() override;
    void SetStepCaptions() override;
    void ShowMediaState(std::int16_t page) override;
    void setCancelCaption(const std::string& text) override;
    void GotoReportPage(bool stoppedEarly, bool paused) override;

    void drawBanner(const std::string& boxName, const QImage& picture) override;
    void showBanner(const std::string& boxName) override;
    void hideAllBanners() override;
    void stopMediaTimer() override;

    void ReDrawTitle(TitleColour colour);
    void FillMainMenu(std::int16_t charSet);
    // One tick of the slide (Timer1) and of the banner timer (MediaTimer1).
    void Timer1Tick();
    void MediaTimer1Tick();
    bool sliding() const;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void buildWindow();
    QWidget* buildPages();
    QWidget* buildButtons();
    void connectControls();
    void chooseLanguage(std::int16_t language);
    void nextClicked();
    void backClicked();
    void cancelClicked();
    void menuStep();
    bool historyHoldsReports();
    void taskFromMenu(int row);
    void offerContinueEntry();
    void openVendorPage();
    void openHelpPage();
    void openWebPage(const std::string& address);
    void showAbout();
    void placeFrame(int page, int left);
    void removeTempCopyFolder();
    BannerBox* bannerNamed(const std::string& name) const;
    void tell(PromptIcon icon, int text);

    WizardServices& services_;
    WizardState navigation_;
    PageSlide slide_{navigation_};
    std::unique_ptr<BannerImages> bannerImages_;
    std::unique_ptr<MediaMethods> media_;
    TitleStrip* TitlePicture = nullptr;
    LanguageFlags* Flags = nullptr;
    std::array<QWidget*, 8> mainframe{};
    MenuPage* menuPage_ = nullptr;
    SourcePage* sourcePage_ = nullptr;
    BurnSettingsPage* burnSettingsPage_ = nullptr;
    DestinationPage* destinationPage_ = nullptr;
    CopyingPage* copyingPage_ = nullptr;
    BurningPage* burningPage_ = nullptr;
    ReportPage* reportPage_ = nullptr;
    HistoryPage* historyPage_ = nullptr;
    std::unique_ptr<RecoveryWiring> wiring_;
    std::unique_ptr<BurnWiring> burnWiring_;
    QPushButton* Command10 = nullptr;
    QPushButton* Command11 = nullptr;
    QPushButton* Command12 = nullptr;
    QTimer* Timer1 = nullptr;
    QTimer* MediaTimer1 = nullptr;
    bool historyErrorTold_ = false;
};

}  // namespace quorvex
