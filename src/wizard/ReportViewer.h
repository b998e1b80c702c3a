#pragma once

#include <QDialog>
#include <optional>

#include "Prompts.h"
#include "RunReport.h"
#include "SaveFileNames.h"
#include "SharedState.h"

class QFormLayout;
class QLabel;
class QPushButton;
class QTreeWidget;

namespace quorvex {

class DamageMap;

// Shows one stored report: its summary, every damaged file with its lost ranges and a damage
// map, and saves it as text or CSV. Set ReportMtx to a viewer reference ("PATH"/[N,9]) and
// call Show; a reference it cannot read or a report it cannot load is told in a message box.
class ReportViewer final : public QDialog {
    Q_OBJECT
    Q_PROPERTY(QString ReportMtx READ ReportMtx WRITE setReportMtx)

  public:
    ReportViewer(Prompts& prompts, const TextTable& mainText, SaveFileNames& saveNames,
                 QWidget* parent = nullptr);

    QString ReportMtx() const { return reference_; }
    void setReportMtx(const QString& reference) { reference_ = reference; }
    // Loads the report and shows it; a non-zero `modal` waits until the viewer is closed.
    // Returns whether the report could be shown.
    bool Show(int modal);

    // The report shown, if one was loaded.
    const std::optional<RunReport>& report() const { return report_; }

  private:
    bool load();
    void fill();
    void fillRanges();
    void applyTexts();
    void save(const std::string& contents, const char* extension, const char* filter);
    void tell(const std::string& reason);

    Prompts& prompts_;
    const TextTable& mainText_;
    SaveFileNames& saveNames_;
    QString reference_;
    std::optional<RunReport> report_;
    QFormLayout* summary_;
    QLabel* rangesHeading_;
    QTreeWidget* ranges_;
    QLabel* mapHeading_;
    DamageMap* map_;
    QPushButton* saveText_;
    QPushButton* saveCsv_;
    QPushButton* close_;
};

}  // namespace quorvex
