#pragma once

#include <QWidget>
#include <cstdint>

#include "SharedState.h"
#include "WizardState.h"

class QLabel;
class QListWidget;

namespace quorvex {

// Page 0: the heading Label5_0, the description Label5_1, the task list MainMenu with large
// icons, the link DesignC to the about box and the tip Tips_4.
class MenuPage final : public QWidget {
    Q_OBJECT

  public:
    explicit MenuPage(QWidget* parent = nullptr);

    void applyTexts(const SharedState& state);
    // Rebuilds the task list: the continue entry when the navigation offers it, the recovery
    // entry always, then the disc copy, the recovery to a disc and the report history.
    void FillMainMenu(std::int16_t charSet, const WizardState& navigation, const TextTable& texts);
    // The row selected in the list, -1 for none.
    int selectedRow() const;
    void selectRow(int row);
    QListWidget& list() const { return *MainMenu; }

  signals:
    void entryClicked(int row);
    // A double-click on an entry.
    void entryChosen(int row);
    void aboutRequested();

  private:
    QLabel* Label5_0;
    QLabel* Label5_1;
    QListWidget* MainMenu;
    QLabel* DesignC;
    QLabel* Tips_4;
};

}  // namespace quorvex
