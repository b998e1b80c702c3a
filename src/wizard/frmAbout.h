#pragma once

#include <QDialog>

#include "SharedState.h"

class QLabel;
class QPushButton;

namespace quorvex {

// The about box: the program's picture, name, version, a description and a line about the
// program (main texts 1, 3 + 2, 5 and 93). It reads the shared texts each time it is shown, so
// it speaks the language chosen last. OK (cmdOK) closes it.
class frmAbout : public QDialog {
    Q_OBJECT

public:
    explicit frmAbout(const SharedState& state, QWidget* parent = nullptr);

    // Showing the box first puts the current texts on it, then sizes it to them.
    void setVisible(bool visible) override;

private:
    void loadTexts();

    const SharedState& state_;
    QLabel* lblTitle;
    QLabel* lblVersion;
    QLabel* lblDescription;
    QLabel* Label1;
    QPushButton* cmdOK;
};

}  // namespace quorvex
