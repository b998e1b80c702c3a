#pragma once

#include <QWidget>
#include <cstdint>

#include "BannerBox.h"
#include "RecoveryProcess.h"
#include "WizardServices.h"

class QLabel;

namespace quorvex {

// Page 4: the step label Tips_3, the recovery control RecoveryProcess1 that runs the copy, and
// the banner adv.
class CopyingPage final : public QWidget {
    Q_OBJECT

  public:
    explicit CopyingPage(WizardServices& services, QWidget* parent = nullptr);

    RecoveryProcess& process() const { return *process_; }
    BannerBox& banner() const { return *banner_; }
    QLabel& tip() const { return *tip_; }

    // The step label: text 39, the step number with its leading blank, ".   ", text 41.
    void showStep(std::int16_t stepNumber, const SharedState& state);
    // Every text in the current language, the recovery control's too.
    void applyTexts(const SharedState& state);

  private:
    QLabel* tip_;
    RecoveryProcess* process_;
    BannerBox* banner_;
    std::int16_t stepNumber_ = 3;
};

}  // namespace quorvex
