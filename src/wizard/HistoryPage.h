#pragma once

#include <QWidget>
#include <cstdint>
#include <vector>

#include "QtSaveFileNames.h"
#include "WizardFlow.h"
#include "WizardServices.h"

class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace quorvex {

struct HistoryRow;

// Page 7, the reports of earlier runs: the list ReportsHistoryList (one row per stored report,
// ten columns, "R" and "Q" hidden), the buttons RecovryDetailsView, RefreshRecovery and
// ClearHistory, and the tip Tips_7.
class HistoryPage final : public QWidget {
    Q_OBJECT

  public:
    HistoryPage(WizardServices& services, WizardFlow& flow, QWidget* parent = nullptr);

    // Fills the list from the history file; a history that cannot be read is told once in a
    // message box and leaves the list empty.
    void showHistory();
    void applyTexts(const SharedState& state);
    QTreeWidget& list() const { return *list_; }

  signals:
    // RefreshRecovery was clicked on the row of this record.
    void continueRequested(std::int64_t number);

  private:
    void buildColumns();
    void addRow(const HistoryRow& row);
    void fitColumns();
    // The details and continue buttons after a row was clicked or a key released in the list.
    void rowClicked();
    void keyReleased();
    // Opens the selected report in the report viewer, modally.
    void viewDetails();
    void continueSelected();
    void retrySelected();
    void enableRowButtons(const QTreeWidgetItem* row);
    static bool hasLostBytes(const QTreeWidgetItem* row);
    bool eventFilter(QObject* watched, QEvent* event) override;
    QTreeWidgetItem* selectedRow() const;
    // Asks, deletes the history and goes back to the menu page when it was deleted.
    void clearHistory();

    WizardServices& services_;
    WizardFlow& flow_;
    QLabel* tip_;
    QTreeWidget* list_;
    QPushButton* details_;
    QPushButton* refresh_;
    // Reads the lost ranges of the selected run again.
    QPushButton* retry_;
    QPushButton* clear_;
    QtSaveFileNames saveNames_{this};
};

}  // namespace quorvex
