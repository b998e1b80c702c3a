#include "BurnStatusText.h"

#include <QLocale>
#include <QStringList>
#include <cmath>

namespace quorvex {

namespace {

// The files named in the message after a verify; the rest are counted.
constexpr std::size_t ListedFiles = 20;

int mediumText(MediumState state) {
    switch (state) {
        case MediumState::Blank:
            return 116;
        case MediumState::Appendable:
            return 117;
        case MediumState::Closed:
            return 118;
        case MediumState::Unusable:
            return 119;
        case MediumState::NoMedium:
            break;
    }
    return 114;
}

}  // namespace

QString BurnStatusText::medium(const MediumInfo& info) const {
    QStringList parts{text(mediumText(info.state))};
    if (info.state == MediumState::NoMedium) return parts.first();
    if (info.erasable) parts << text(120);
    parts << size(info.freeBytes) + " " + text(121);
    return parts.join(", ");
}

QString BurnStatusText::size(std::uint64_t bytes) {
    return QLocale().formattedDataSize(static_cast<qint64>(bytes), 1, QLocale::DataSizeSIFormat);
}

QString BurnStatusText::progress(const BurnProgress& progress) const {
    if (progress.phase == BurnPhase::Erasing) {
        const QString erasing = text(113) + "...";
        if (progress.bytesTotal == 0) return erasing;
        return erasing + " " + QString::number(100 * progress.bytesDone / progress.bytesTotal) + " %";
    }
    const int label = progress.phase == BurnPhase::Verifying ? 132 : 131;
    QString shown = text(label) + ": " + size(progress.bytesDone);
    if (progress.bytesTotal > 0) shown += " / " + size(progress.bytesTotal);
    if (progress.bytesPerSecond > 0) {
        shown += ", " + size(static_cast<std::uint64_t>(progress.bytesPerSecond)) + "/s";
    }
    if (progress.secondsLeft > 0) shown += ", " + text(133) + ": " + clock(progress.secondsLeft);
    return shown;
}

QString BurnStatusText::refusal(const StartRefusal& refusal) const {
    switch (refusal.reason) {
        case StartRefusalReason::TooLarge:
            return text(142) + " (" + size(refusal.neededBytes) + " > " +
                   size(refusal.availableBytes) + ")";
        case StartRefusalReason::ImageFailed:
        case StartRefusalReason::NoJob:
            return text(143);
        case StartRefusalReason::NotReady:
        case StartRefusalReason::Disabled:
        case StartRefusalReason::NotErasable:
            return text(144);
        case StartRefusalReason::None:
        case StartRefusalReason::Busy:
        case StartRefusalReason::NeedsErase:
            break;
    }
    return {};
}

BurnOutcome BurnStatusText::outcome(const BurnProgress& progress, bool cancelled) const {
    if (cancelled || progress.phase == BurnPhase::Cancelled || progress.phase == BurnPhase::Idle)
        return {PromptIcon::Exclamation, text(141)};
    if (progress.phase == BurnPhase::Failed) {
        return {PromptIcon::Critical,
                text(140) + " " + QString::fromStdString(progress.failure).trimmed()};
    }
    if (!progress.verified) return {PromptIcon::Information, text(138)};
    if (progress.differingFiles.empty()) return {PromptIcon::Information, text(135)};
    QStringList lines{text(139)};
    for (std::size_t i = 0; i < progress.differingFiles.size() && i < ListedFiles; ++i)
        lines << QString::fromStdString(progress.differingFiles[i]);
    if (progress.differingFiles.size() > ListedFiles)
        lines << "... (" + QString::number(progress.differingFiles.size()) + ")";
    return {PromptIcon::Critical, lines.join("\n")};
}

QString BurnStatusText::text(int index) const {
    return QString::fromStdString(texts_[static_cast<std::size_t>(index)]);
}

QString BurnStatusText::clock(double seconds) {
    const auto whole = static_cast<long long>(std::ceil(seconds));
    return QString("%1:%2:%3")
        .arg(whole / 3600)
        .arg(whole / 60 % 60, 2, 10, QChar('0'))
        .arg(whole % 60, 2, 10, QChar('0'));
}

}  // namespace quorvex
