#pragma once

#include <QImage>
#include <QWidget>

#include "SharedState.h"

namespace quorvex {

// A page banner: shows the banner picture at its top-left corner, with the hint of main text 12
// drawn over its free middle and as its tool tip, under a pointing hand. A click emits
// clicked(); the window opens the help page. The box keeps its height while hidden, so that the
// page below it does not move.
class BannerBox : public QWidget {
    Q_OBJECT

public:
    // objectName is the box's name on its page: Adv2nd, adv, Adv3ed or Adv4th.
    explicit BannerBox(const QString& objectName, QWidget* parent = nullptr);

    // Draws the picture at position (0, 0) at its natural size.
    void drawPicture(const QImage& picture);
    const QImage& picture() const { return picture_; }

    // Takes the hint and tool tip (main text 12) of the current language.
    void showTexts(const SharedState& state);

    QSize sizeHint() const override;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QImage picture_;
    QString hint_;
    bool pressed_ = false;
};

}  // namespace quorvex
