#include "ReportExport.h"

#include <QDateTime>
#include <QLocale>
#include <QSaveFile>

#include "PathText.h"
#include "SizeToText.h"

namespace quorvex {

namespace {

std::string whenText(const RunReport& report) {
    const std::int64_t seconds = report.endedAt != 0 ? report.endedAt : report.startedAt;
    const QDateTime when = QDateTime::fromSecsSinceEpoch(seconds);
    return QLocale().toString(when, QLocale::ShortFormat).toStdString();
}

// Paused: 129, completed: 137, aborted or cut off while running: 75.
const std::string& outcomeText(RunOutcome outcome, const TextTable& mainText) {
    if (outcome == RunOutcome::Paused) return mainText[129];
    if (outcome == RunOutcome::Completed) return mainText[137];
    return mainText[75];
}

std::string countText(std::int32_t count, const TextTable& mainText) {
    return std::to_string(count) + " " + mainText[57];
}

std::string sizeText(std::int64_t bytes) {
    return SizeToText(static_cast<double>(bytes));
}

std::string csvField(const std::string& field) {
    if (field.find_first_of(",\"\r\n") == std::string::npos) return field;
    std::string quoted = "\"";
    for (char c : field) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

}  // namespace

std::vector<ReportExport::Line> ReportExport::summary(const RunReport& report,
                                                      const TextTable& mainText) {
    return {{mainText[96], whenText(report)},
            {mainText[97], report.job.source},
            {mainText[98], report.job.destination},
            {mainText[136], outcomeText(report.outcome, mainText)},
            {mainText[99], countText(report.Items_Count, mainText)},
            {mainText[100], countText(report.CorruptedFilesCount, mainText)},
            {mainText[101], sizeText(report.TotalCopiedBytes)},
            {mainText[102], sizeText(report.TotalLostBytes)}};
}

std::string ReportExport::rangeText(const ByteRange& range) {
    return std::to_string(range.start) + " - " + std::to_string(range.end) + " (" +
           sizeText(range.size()) + ")";
}

std::string ReportExport::text(const RunReport& report, const TextTable& mainText) {
    std::string text = mainText[95] + "\n\n";
    for (const auto& [label, value] : summary(report, mainText))
        text += label + ": " + value + "\n";
    text += "\n" + mainText[103] + "\n";
    for (const DamageRecord& file : report.damaged) {
        text += "\n" + file.source + " (" + sizeText(file.File1Size) + ")\n";
        for (const ByteRange& range : file.ranges) text += "    " + rangeText(range) + "\n";
    }
    return text;
}

std::string ReportExport::csv(const RunReport& report) {
    std::string csv = "path,first byte,last byte,bytes\r\n";
    for (const DamageRecord& file : report.damaged)
        for (const ByteRange& range : file.ranges)
            csv += csvField(file.source) + "," + std::to_string(range.start) + "," +
                   std::to_string(range.end) + "," + std::to_string(range.size()) + "\r\n";
    return csv;
}

std::string ReportExport::saveWhole(const std::string& path, const std::string& contents) {
    QSaveFile file(PathText::toDisplay(path));
    file.setDirectWriteFallback(false);
    const auto size = static_cast<qint64>(contents.size());
    if (!file.open(QIODevice::WriteOnly) || file.write(contents.data(), size) != size) {
        const std::string reason = file.errorString().toStdString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit()) return file.errorString().toStdString();
    return {};
}

}  // namespace quorvex
