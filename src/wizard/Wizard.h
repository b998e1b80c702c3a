#pragma once

#include <QMainWindow>

#include "LanguageView.h"
#include "Languages.h"
#include "SharedState.h"
#include "UserSettings.h"

namespace quorvex {

// The program's main window.
class Wizard : public QMainWindow, public LanguageView {
    Q_OBJECT

public:
    Wizard(SharedState& state, Languages& languages, UserSettings& settings,
           QWidget* parent = nullptr);

    // The load handler: starts in the stored language. Raises RunTimeError when it fails.
    void load();

    void showMainTexts(const SharedState& state) override;

private:
    SharedState& state_;
    Languages& languages_;
    UserSettings& settings_;
};

}  // namespace quorvex
