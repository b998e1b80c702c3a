#pragma once

#include <QWidget>

#include "BannerBox.h"
#include "SharedState.h"

class QGroupBox;
class QLabel;

namespace quorvex {

// Page 5, the burn: the step label Tips_6, the frame BurnSettings that will hold the burn
// controls, and the banner Adv3ed.
class BurningPage final : public QWidget {
    Q_OBJECT

  public:
    explicit BurningPage(QWidget* parent = nullptr);

    void applyTexts(const SharedState& state);
    QLabel& tip() const { return *tip_; }
    BannerBox& banner() const { return *banner_; }

  private:
    QLabel* tip_;
    QGroupBox* settings_;
    BannerBox* banner_;
};

}  // namespace quorvex
