#include "Wizard.h"

namespace quorvex {

Wizard::Wizard(SharedState& state, Languages& languages, UserSettings& settings, QWidget* parent)
    : QMainWindow(parent), state_(state), languages_(languages), settings_(settings) {
    resize(640, 480);
}

void Wizard::load() {
    std::int16_t language = settings_.startLanguage();
    languages_.ApplyLanguage(language, *this);
}

void Wizard::showMainTexts(const SharedState& state) {
    setWindowTitle(QString::fromStdString(Languages::MainWindowTitle(state.Lang_MainText)));
}

}  // namespace quorvex
