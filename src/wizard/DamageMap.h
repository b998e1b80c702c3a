#pragma once

#include <QWidget>
#include <vector>

#include "DamageRecord.h"

namespace quorvex {

// One bar per damaged file, its name above it: the bar is the whole file and the lost ranges
// are drawn on it to scale in red, each at least MinimumMark pixels wide so that a few lost
// kilobytes of a file of gigabytes still show.
class DamageMap final : public QWidget {
    Q_OBJECT

  public:
    static constexpr int MinimumMark = 3;
    static inline const QColor LostColour{200, 0, 0};
    static inline const QColor FileColour{215, 225, 215};

    explicit DamageMap(QWidget* parent = nullptr);

    void setFiles(std::vector<DamageRecord> files);
    // Where the bar of the file numbered `row` (from 0) is drawn at the map's present width.
    QRect barRect(int row) const;
    // The pixel columns [left, right) a lost range covers on a bar.
    static std::pair<int, int> markSpan(const ByteRange& range, std::int64_t fileSize,
                                        const QRect& bar);

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::vector<DamageRecord> files_;
};

}  // namespace quorvex
