#include "HistoryPage.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "HistoryError.h"
#include "LostPartsRetry.h"
#include "PathText.h"
#include "ProgramConfig.h"
#include "ReportHistory.h"
#include "ReportViewer.h"
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
      retry_(new QPushButton(this)),
      clear_(new QPushButton(this)) {
    tip_->setObjectName("Tips_7");
    tip_->setWordWrap(true);
    list_->setObjectName("ReportsHistoryList");
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setTextElideMode(Qt::ElideMiddle);
    details_->setObjectName("RecovryDetailsView");
    refresh_->setObjectName("RefreshRecovery");
    retry_->setObjectName("RetryLost");
    clear_->setObjectName("ClearHistory");
    enableRowButtons(nullptr);
    buildColumns();
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(details_);
    buttons->addWidget(refresh_);
    buttons->addWidget(retry_);
    buttons->addStretch(1);
    buttons->addWidget(clear_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tip_);
    layout->addWidget(list_, 1);
    layout->addLayout(buttons);
    connect(clear_, &QPushButton::clicked, this, &HistoryPage::clearHistory);
    connect(details_, &QPushButton::clicked, this, &HistoryPage::viewDetails);
    connect(refresh_, &QPushButton::clicked, this, &HistoryPage::continueSelected);
    connect(retry_, &QPushButton::clicked, this, &HistoryPage::retrySelected);
    connect(list_, &QTreeWidget::itemClicked, this, &HistoryPage::rowClicked);
    list_->installEventFilter(this);
}

QTreeWidgetItem* HistoryPage::selectedRow() const {
    const QList<QTreeWidgetItem*> selected = list_->selectedItems();
    return selected.isEmpty() ? nullptr : selected.front();
}

void HistoryPage::rowClicked() { enableRowButtons(selectedRow()); }

// Column "R" holds the record number, column "Q" what is left to continue; text that is not a
// number counts as 0. The lost bytes are kept beside their shown size.
void HistoryPage::enableRowButtons(const QTreeWidgetItem* row) {
    details_->setEnabled(row != nullptr && row->text(8).toLongLong() != 0);
    refresh_->setEnabled(row != nullptr && row->text(9).toLongLong() > 0);
    retry_->setEnabled(hasLostBytes(row));
}

bool HistoryPage::hasLostBytes(const QTreeWidgetItem* row) {
    return row != nullptr && row->text(8).toLongLong() != 0 &&
           row->data(7, Qt::UserRole).toLongLong() > 0;
}

void HistoryPage::keyReleased() {
    const QTreeWidgetItem* row = selectedRow();
    details_->setEnabled(row != nullptr && !row->text(8).isEmpty());
    retry_->setEnabled(hasLostBytes(row));
}

bool HistoryPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_ && event->type() == QEvent::KeyRelease) keyReleased();
    return QWidget::eventFilter(watched, event);
}

void HistoryPage::viewDetails() {
    const QTreeWidgetItem* row = selectedRow();
    if (row == nullptr) return;
    const std::int64_t number = row->text(8).trimmed().toLongLong();
    if (number == 0) return;
    ReportViewer viewer(services_.prompts, services_.state.Lang_MainText, saveNames_, this);
    viewer.setReportMtx(
        PathText::toDisplay(ReportsMethods::ViewerReference(services_.historyPath, number)));
    viewer.Show(1);
}

void HistoryPage::continueSelected() {
    const QTreeWidgetItem* row = selectedRow();
    if (row == nullptr || row->text(9).toLongLong() <= 0) return;
    const std::int64_t number = row->text(8).trimmed().toLongLong();
    if (number != 0) emit continueRequested(number);
}

// The list is read again afterwards: the record now tells the narrowed ranges.
void HistoryPage::retrySelected() {
    const QTreeWidgetItem* row = selectedRow();
    if (row == nullptr) return;
    const std::int64_t number = row->text(8).trimmed().toLongLong();
    if (number == 0) return;
    LostPartsRetry::run(services_, number, this);
    showHistory();
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
    enableRowButtons(nullptr);
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
    item->setData(7, Qt::UserRole, QVariant::fromValue<qlonglong>(row.lostBytes));
    item->setToolTip(2, texts[2]);
    item->setToolTip(3, texts[3]);
}

void HistoryPage::applyTexts(const SharedState& state) {
    tip_->setText(shown(state.Lang_MainText[48]));
    details_->setText(shown(state.Lang_MainText[49]));
    refresh_->setText(shown(state.Lang_MainText[50]));
    retry_->setText(shown(state.Lang_MainText[148]));
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
    enableRowButtons(nullptr);
    WizardState& navigation = flow_.navigation();
    navigation.SlideOffset = 0;
    navigation.PageStep = -7;
    flow_.MoveToFrame();
    flow_.SetStepCaptions();
}

}  // namespace quorvex
