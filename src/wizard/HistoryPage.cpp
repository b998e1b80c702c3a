#include "HistoryPage.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "HistoryError.h"
#include "PathText.h"
#include "ProgramConfig.h"
#include "ReportHistory.h"
#include "ReportsMethods.h"
#include "RunTimeError.h"
#include "SizeToText.h"

namespace quorvex {

namespace {

QString shown(const std::string& text) {
    return QString::fromStdString(text);
}
QString sizeText(std::int64_t bytes) {
    return shown(SizeToText(static_cast<double>(bytes)));
}

}  // namespace

HistoryPage::HistoryPage(WizardServices& services, WizardFlow& flow, QWidget* parent)
    : QWidget(parent),
      services_(services),
      flow_(flow),
      tip_(new QLabel(this)),
      list_(new QTreeWidget(this)),
      details_(new QPushButton(this)),
      refresh_(new QPushButton(this)),
      clear_(new QPushButton(this)) {
    tip_->setObjectName("Tips_7");
    tip_->setWordWrap(true);
    list_->setObjectName("ReportsHistoryList");
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setTextElideMode(Qt::ElideMiddle);
    details_->setObjectName("RecovryDetailsView");
    refresh_->setObjectName("RefreshRecovery");
    clear_->setObjectName("ClearHistory");
    details_->setEnabled(false);
    refresh_->setEnabled(false);
    buildColumns();
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(details_);
    buttons->addWidget(refresh_);
    buttons->addStretch(1);
    buttons->addWidget(clear_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tip_);
    layout->addWidget(list_, 1);
    layout->addLayout(buttons);
    connect(clear_, &QPushButton::clicked, this, &HistoryPage::clearHistory);
}

void HistoryPage::buildColumns() {
    QStringList headers;
    for (const HistoryColumn& column : ReportsMethods::HistoryColumns) headers << column.header;
    list_->setHeaderLabels(headers);
    for (int index = 0; index < headers.size(); ++index) {
        const int width = ReportsMethods::HistoryColumns[static_cast<std::size_t>(index)].width;
        if (width == 0) list_->setColumnHidden(index, true);
        if (width > 0) list_->setColumnWidth(index, width);
    }
}

void HistoryPage::showHistory() {
    list_->clear();
    try {
        for (const HistoryRow& row : ReportHistory(services_.historyPath).rows()) addRow(row);
        fitColumns();
    } catch (const HistoryError& error) {
        list_->clear();
        services_.prompts.messageBox(PromptIcon::Exclamation, PromptButtons::Ok,
                                     ProgramConfig::Title, error.what());
    }
}

// Dates, times, counts and sizes are shown whole; the folders share what is left.
void HistoryPage::fitColumns() {
    for (int column : {0, 1, 4, 5, 6, 7}) {
        const int least = ReportsMethods::HistoryColumns[static_cast<std::size_t>(column)].width;
        list_->resizeColumnToContents(column);
        list_->setColumnWidth(column, std::max(least, list_->columnWidth(column)));
    }
}

void HistoryPage::addRow(const HistoryRow& row) {
    auto* item = new QTreeWidgetItem(list_);
    const QString texts[] = {shown(row.date),
                             shown(row.time),
                             PathText::toDisplay(row.source),
                             PathText::toDisplay(row.destination),
                             QString::number(row.files),
                             sizeText(row.totalBytes),
                             QString::number(row.badFiles),
                             sizeText(row.lostBytes),
                             QString::number(row.number),
                             QString::number(row.continuable)};
    for (int column = 0; column < 10; ++column) item->setText(column, texts[column]);
    item->setToolTip(2, texts[2]);
    item->setToolTip(3, texts[3]);
}

void HistoryPage::applyTexts(const SharedState& state) {
    tip_->setText(shown(state.Lang_MainText[48]));
    details_->setText(shown(state.Lang_MainText[49]));
    refresh_->setText(shown(state.Lang_MainText[50]));
    clear_->setText(shown(state.Lang_MainText[56]));
}

void HistoryPage::clearHistory() {
    bool cleared = false;
    try {
        cleared = ReportsMethods::ClearReportHistory(
            services_.prompts, services_.state.Lang_MainText, services_.historyPath);
    } catch (const RunTimeError& error) {
        services_.prompts.messageBox(PromptIcon::Critical, PromptButtons::Ok, ProgramConfig::Title,
                                     error.what());
    }
    if (!cleared) return;
    list_->clear();
    WizardState& navigation = flow_.navigation();
    navigation.SlideOffset = 0;
    navigation.PageStep = -7;
    flow_.MoveToFrame();
    flow_.SetStepCaptions();
}

}  // namespace quorvex
