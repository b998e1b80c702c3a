#include "DamageMap.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "PathText.h"

namespace quorvex {

namespace {

constexpr int Margin = 8;
constexpr int NameHeight = 18;
constexpr int BarHeight = 14;
constexpr int RowHeight = NameHeight + BarHeight + 8;

}  // namespace

DamageMap::DamageMap(QWidget* parent) : QWidget(parent) {
    setObjectName("DamageMap");
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void DamageMap::setFiles(std::vector<DamageRecord> files) {
    files_ = std::move(files);
    setMinimumHeight(sizeHint().height());
    updateGeometry();
    update();
}

QRect DamageMap::barRect(int row) const {
    return {Margin, Margin + row * RowHeight + NameHeight, std::max(1, width() - 2 * Margin),
            BarHeight};
}

std::pair<int, int> DamageMap::markSpan(const ByteRange& range, std::int64_t fileSize,
                                        const QRect& bar) {
    // Sizes in doubles: byte counts times pixel widths could pass the 64-bit range.
    const double size = static_cast<double>(std::max({fileSize, range.end, std::int64_t{1}}));
    const double scale = bar.width() / size;
    int left =
        bar.left() + static_cast<int>(std::floor(static_cast<double>(range.start - 1) * scale));
    int right = bar.left() + static_cast<int>(std::ceil(static_cast<double>(range.end) * scale));
    const int barEnd = bar.left() + bar.width();
    if (right - left < MinimumMark) right = left + MinimumMark;
    if (right > barEnd) {
        left = std::max(bar.left(), left - (right - barEnd));
        right = barEnd;
    }
    return {left, right};
}

QSize DamageMap::sizeHint() const {
    const int rows = static_cast<int>(files_.size());
    return {480, 2 * Margin + rows * RowHeight};
}

void DamageMap::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    for (int row = 0; row < static_cast<int>(files_.size()); ++row) {
        const DamageRecord& file = files_[static_cast<std::size_t>(row)];
        const QRect bar = barRect(row);
        const QRect name(bar.left(), bar.top() - NameHeight, bar.width(), NameHeight);
        painter.setPen(palette().color(QPalette::Text));
        painter.drawText(name, Qt::AlignLeft | Qt::AlignVCenter,
                         painter.fontMetrics().elidedText(PathText::toDisplay(file.source),
                                                          Qt::ElideMiddle, name.width()));
        painter.fillRect(bar, FileColour);
        for (const ByteRange& range : file.ranges) {
            const auto [left, right] = markSpan(range, file.File1Size, bar);
            painter.fillRect(QRect(left, bar.top(), right - left, bar.height()), LostColour);
        }
    }
}

}  // namespace quorvex
