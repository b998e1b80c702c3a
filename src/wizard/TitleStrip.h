#pragma once

#include <QString>
#include <QWidget>

#include "PageSlide.h"

namespace quorvex {

// The title strip above the pages: the program's name in a bold sans face, then its subtitle in
// an italic serif face on the same line, in the colour the slide gives. A click on it opens the
// vendor's page (the window connects clicked()).
class TitleStrip : public QWidget {
    Q_OBJECT

  public:
    static constexpr int NameLeft = 10;
    static constexpr int NameTop = 5;
    static constexpr int SubtitleTop = 10;

    explicit TitleStrip(QWidget* parent = nullptr);

    void setTexts(const QString& name, const QString& subtitle);
    void ReDrawTitle(TitleColour colour);
    TitleColour colour() const { return colour_; }
    // The right edge of the subtitle as drawn, to check it fits.
    int textRight() const;
    static QFont nameFont();
    static QFont subtitleFont();

  signals:
    void clicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    int subtitleLeftEdge() const;

    QString name_;
    QString subtitle_;
    TitleColour colour_ = PageSlide::RestingTitle;
};

}  // namespace quorvex
