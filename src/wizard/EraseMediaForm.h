#pragma once

#include <QDialog>

#include "SharedState.h"

class QLabel;
class QTimer;

namespace quorvex {

// The small window shown while an erase is set going: the label Label2 ("Erasing the disc...")
// for one second, after which it closes itself at the first tick of Timer1.
class EraseMediaForm final : public QDialog {
    Q_OBJECT

  public:
    EraseMediaForm(const SharedState& state, QWidget* parent = nullptr);

  private:
    QLabel* Label2;
    QTimer* Timer1;
};

}  // namespace quorvex
