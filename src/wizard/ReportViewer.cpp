#include "ReportViewer.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "DamageMap.h"
#include "HistoryError.h"
#include "PathText.h"
#include "ProgramConfig.h"
#include "ReportExport.h"
#include "ReportHistory.h"
#include "ReportReference.h"
#include "SizeToText.h"

namespace quorvex {

namespace {

QString shown(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

ReportViewer::ReportViewer(Prompts& prompts, const TextTable& mainText, SaveFileNames& saveNames,
                           QWidget* parent)
    : QDialog(parent),
      prompts_(prompts),
      mainText_(mainText),
      saveNames_(saveNames),
      summary_(new QFormLayout),
      rangesHeading_(new QLabel(this)),
      ranges_(new QTreeWidget(this)),
      mapHeading_(new QLabel(this)),
      map_(new DamageMap(this)),
      saveText_(new QPushButton(this)),
      saveCsv_(new QPushButton(this)),
      close_(new QPushButton(this)) {
    setObjectName("ReportViewer");
    ranges_->setObjectName("DamagedRanges");
    ranges_->setHeaderHidden(true);
    ranges_->setTextElideMode(Qt::ElideMiddle);
    saveText_->setObjectName("SaveText");
    saveCsv_->setObjectName("SaveCsv");
    close_->setObjectName("Close");
    auto* mapArea = new QScrollArea(this);
    mapArea->setWidget(map_);
    mapArea->setWidgetResizable(true);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(saveText_);
    buttons->addWidget(saveCsv_);
    buttons->addStretch(1);
    buttons->addWidget(close_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(summary_);
    layout->addWidget(rangesHeading_);
    layout->addWidget(ranges_, 1);
    layout->addWidget(mapHeading_);
    layout->addWidget(mapArea, 1);
    layout->addLayout(buttons);
    resize(640, 560);
    connect(close_, &QPushButton::clicked, this, &QDialog::accept);
    connect(saveText_, &QPushButton::clicked, this,
            [this] { save(ReportExport::text(*report_, mainText_), ".txt", "Text (*.txt)"); });
    connect(saveCsv_, &QPushButton::clicked, this,
            [this] { save(ReportExport::csv(*report_), ".csv", "CSV (*.csv)"); });
    applyTexts();
}

void ReportViewer::applyTexts() {
    setWindowTitle(shown(mainText_[95]));
    rangesHeading_->setText(shown(mainText_[103]));
    mapHeading_->setText(shown(mainText_[104]));
    mapHeading_->setWordWrap(true);
    saveText_->setText(shown(mainText_[105]));
    saveCsv_->setText(shown(mainText_[106]));
    close_->setText(shown(mainText_[107]));
}

bool ReportViewer::Show(int modal) {
    if (!load()) return false;
    fill();
    if (modal != 0) {
        exec();
    } else {
        show();
    }
    return true;
}

bool ReportViewer::load() {
    report_.reset();
    const auto reference = ReportReference::parse(PathText::fromDisplay(reference_));
    if (!reference) {
        tell(PathText::fromDisplay(reference_));
        return false;
    }
    try {
        report_ = ReportHistory(reference->path).load(reference->number);
    } catch (const HistoryError& error) {
        tell(error.what());
    }
    return report_.has_value();
}

void ReportViewer::fill() {
    while (summary_->rowCount() > 0) summary_->removeRow(0);
    for (const auto& [label, value] : ReportExport::summary(*report_, mainText_)) {
        auto* text = new QLabel(PathText::toDisplay(value), this);
        text->setTextInteractionFlags(Qt::TextSelectableByMouse);
        summary_->addRow(shown(label) + ":", text);
    }
    fillRanges();
    map_->setFiles(report_->damaged);
}

void ReportViewer::fillRanges() {
    ranges_->clear();
    for (const DamageRecord& file : report_->damaged) {
        auto* item = new QTreeWidgetItem(ranges_);
        item->setText(0, PathText::toDisplay(file.source) + "  (" +
                             shown(SizeToText(static_cast<double>(file.File1Size))) + ")");
        item->setToolTip(0, PathText::toDisplay(file.source));
        for (const ByteRange& range : file.ranges)
            new QTreeWidgetItem(item, {shown(ReportExport::rangeText(range))});
    }
    ranges_->expandAll();
}

void ReportViewer::save(const std::string& contents, const char* extension, const char* filter) {
    const std::string suggested = "report-" + std::to_string(report_->number) + extension;
    const std::string path = saveNames_.askSaveName(mainText_[95], suggested, filter);
    if (path.empty()) return;
    const std::string failure = ReportExport::saveWhole(path, contents);
    if (!failure.empty()) tell(path + "\r" + failure);
}

void ReportViewer::tell(const std::string& reason) {
    prompts_.messageBox(PromptIcon::Exclamation, PromptButtons::Ok, ProgramConfig::Title,
                        mainText_[108] + "\r" + reason);
}

}  // namespace quorvex
