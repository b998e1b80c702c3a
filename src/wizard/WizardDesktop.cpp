// The wizard's links, banners, about box, keys and window events.
#include <QAbstractButton>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QTimer>

#include "BannerBox.h"
#include "BurnWiring.h"
#include "CopyingPage.h"
#include "FaqPage.h"
#include "MenuPage.h"
#include "ProgramConfig.h"
#include "RunTimeError.h"
#include "Wizard.h"
#include "WizardNavigation.h"
#include "frmAbout.h"

namespace quorvex {

void Wizard::ShowMediaState(std::int16_t page) {
    media_->ShowMediaState(page);
}

void Wizard::MediaTimer1Tick() {
    media_->MediaTimerTick(navigation_.CurrentPage);
}

BannerBox* Wizard::bannerNamed(const std::string& name) const {
    return findChild<BannerBox*>(QString::fromStdString(name));
}

void Wizard::drawBanner(const std::string& boxName, const QImage& picture) {
    if (BannerBox* box = bannerNamed(boxName)) box->drawPicture(picture);
}

void Wizard::showBanner(const std::string& boxName) {
    if (BannerBox* box = bannerNamed(boxName)) box->setVisible(true);
}

void Wizard::hideAllBanners() {
    for (BannerBox* box : findChildren<BannerBox*>()) box->setVisible(false);
}

void Wizard::stopMediaTimer() {
    MediaTimer1->stop();
}

// The vendor's page, in Russian for language 2.
void Wizard::openVendorPage() {
    std::string address = std::string(ProgramConfig::VendorSite) + "index.php?q=126";
    if (services_.state.CurrentLanguage == 2) address += "&l=1";
    openWebPage(address);
}

void Wizard::openHelpPage() {
    openWebPage(services_.state.FaqLink);
}

void Wizard::openWebPage(const std::string& address) {
    try {
        FaqPage::OpenFaqPage(address, services_.shell);
    } catch (const RunTimeError&) {
        services_.prompts.messageBox(PromptIcon::Exclamation, PromptButtons::Ok,
                                     ProgramConfig::Title,
                                     services_.state.Lang_MainText[22] + "\r" + address);
    }
}

void Wizard::showAbout() {
    frmAbout about(services_.state, this);
    about.exec();
}

void Wizard::tell(PromptIcon icon, int text) {
    services_.prompts.messageBox(icon, PromptButtons::Ok, ProgramConfig::Title,
                                 services_.state.Lang_MainText[static_cast<std::size_t>(text)]);
}

// Enter presses the button that has the focus, else Next; Escape is Cancel; each as far as its
// button is enabled.
void Wizard::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && event->modifiers() == Qt::NoModifier) {
        auto* focused = qobject_cast<QAbstractButton*>(focusWidget());
        QAbstractButton* pressed = focused != nullptr ? focused : Command11;
        if (pressed->isEnabled()) pressed->click();
        return;
    }
    if (event->key() == Qt::Key_Escape) {
        if (Command12->isEnabled()) Command12->click();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

// Closing the window during a run asks to stop the run instead; a burn is cancelled and waited
// for, since it reads the temporary copy folder, which then goes with the window.
void Wizard::closeEvent(QCloseEvent* event) {
    if (copyingPage_->process().state().isCopyingProcess) {
        event->ignore();
        if (Command12->isEnabled()) Command12->click();
        return;
    }
    burnWiring_->cancelBurn();
    if (navigation_.CurrentPage == WizardPage::Burning) services_.burner.DisableMe();
    removeTempCopyFolder();
    MediaTimer1->stop();
    event->accept();
}

void Wizard::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FillMainMenu(services_.state.LangFontCharSet);
    QMainWindow::changeEvent(event);
}

}  // namespace quorvex
