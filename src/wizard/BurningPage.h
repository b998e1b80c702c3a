#pragma once

#include <QFutureWatcher>
#include <QTimer>
#include <QWidget>
#include <string>
#include <vector>

#include "BannerBox.h"
#include "BurnDesk.h"
#include "BurnStatusText.h"
#include "Prompts.h"
#include "QtSaveFileNames.h"
#include "SharedState.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace quorvex {

// Page 5, the burn: the step label Tips_6, the frame BurnSettings with the burner's controls,
// and the banner Adv3ed. The burner is an optical drive or an image file; the page shows the
// medium, the size of the data, the volume label and the read-back choice, starts the burn
// with StartBurn (or Next) and follows it in BurnProgressBar until the burner says it ended.
class BurningPage final : public QWidget {
    Q_OBJECT

  public:
    BurningPage(BurnDesk& desk, Prompts& prompts, const SharedState& state,
                QWidget* parent = nullptr);
    // Waits for a look at the drive that is under way.
    ~BurningPage() override;

    void applyTexts(const SharedState& state);
    QLabel& tip() const { return *tip_; }
    BannerBox& banner() const { return *banner_; }

    // Fills the burner choice and the label before the burner gets its job.
    void prepare(const std::string& defaultLabel);
    // Shows the prepared job: the size of its data and the medium.
    void showJob();
    // Follows a job the burner started on its own (an erase).
    void followJob();
    // The burn ended: the page stops following it and says how it went.
    BurnOutcome finish(bool cancelled);
    // StartBurn's click: the burn with the page's settings, or why it cannot start.
    void startBurn();

  signals:
    // The burner started writing.
    void writingStarted();

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    QWidget* buildControls();
    void chooseBurner();
    void browseImage();
    bool imageMayBeWritten();
    bool imageChosen() const;
    QString imagePath();
    void applySettings();
    // Looks at the medium, and so at the readiness, on a pool thread: a disc drive can take seconds to
    // answer, and the window must not wait for it.
    void refreshMedium();
    void showMedium();
    void followProgress();
    void setRunning(bool running);
    QString text(int index) const;

    BurnDesk& desk_;
    Prompts& prompts_;
    const SharedState& state_;
    QtSaveFileNames saveNames_{this};
    std::vector<BurnTarget> burners_;
    std::string confirmedImage_;
    bool running_ = false;
    bool followingErase_ = false;
    QLabel* tip_;
    QGroupBox* settings_;
    BannerBox* banner_;
    QComboBox* burnerChoice_;
    QLineEdit* imageFile_;
    QPushButton* imageBrowse_;
    QLabel* mediumState_;
    QLabel* dataSize_;
    QLineEdit* volumeLabel_;
    QCheckBox* verify_;
    QPushButton* start_;
    QProgressBar* progressBar_;
    QLabel* progressText_;
    QLabel* result_;
    std::vector<QLabel*> captions_;
    QFutureWatcher<MediumInfo> mediumLook_;
    QTimer readiness_;
    QTimer progress_;
};

}  // namespace quorvex
