#include "LostPartsRetry.h"

#include <QCoreApplication>
#include <QProgressDialog>

#include <stdexcept>

#include "ProgramConfig.h"
#include "ReportHistory.h"
#include "SizeToText.h"
#include "StoredReportRetry.h"

namespace quorvex {

namespace {

constexpr std::size_t kNamesShown = 10;
// The Cancel caption of the main texts.
constexpr int kCancel = 92;

std::string replaced(std::string text, const std::string& mark, const std::string& by) {
    if (const auto at = text.find(mark); at != std::string::npos) text.replace(at, mark.size(), by);
    return text;
}

}  // namespace

void LostPartsRetry::run(WizardServices& services, std::int64_t number, QWidget* parent) {
    QProgressDialog dialog(QString::fromStdString(services.state.Lang_RPText[Reading]),
                           QString::fromStdString(services.state.Lang_MainText[kCancel]), 0, 0,
                           parent);
    dialog.setObjectName("RetryLostProgress");
    dialog.setWindowModality(Qt::WindowModal);
    dialog.setMinimumDuration(0);
    dialog.show();
    const auto goOn = [&dialog] {
        QCoreApplication::processEvents();
        return !dialog.wasCanceled();
    };
    std::vector<LostRangeRetry::FileOutcome> outcomes;
    try {
        ReportHistory history(services.historyPath);
        outcomes = StoredReportRetry::retry(history, number, services.files, goOn);
    } catch (const std::runtime_error& error) {
        dialog.close();
        services.prompts.messageBox(PromptIcon::Critical, PromptButtons::Ok, ProgramConfig::Title,
                                    error.what());
        return;
    }
    const bool stopped = dialog.wasCanceled();
    dialog.close();
    services.prompts.messageBox(PromptIcon::Information, PromptButtons::Ok, ProgramConfig::Title,
                                outcomeText(services.state.Lang_RPText, outcomes, stopped));
}

std::string LostPartsRetry::outcomeText(const TextTable& texts,
                                        const std::vector<LostRangeRetry::FileOutcome>& outcomes,
                                        bool stopped) {
    std::vector<std::string> leftAlone;
    for (const auto& outcome : outcomes)
        if (outcome.skipped != LostRangeRetry::Skipped::No) leftAlone.push_back(outcome.source);
    const LostRangeRetry::Totals totals = LostRangeRetry::totalOf(outcomes);
    std::string text =
        replaced(texts[Outcome], "%1", SizeToText(static_cast<double>(totals.recovered)));
    text = replaced(text, "%2", SizeToText(static_cast<double>(totals.stillLost)));
    if (!leftAlone.empty()) {
        text += "\n\n" + texts[LeftAlone];
        for (std::size_t index = 0; index < leftAlone.size() && index < kNamesShown; ++index)
            text += "\n" + leftAlone[index];
        if (leftAlone.size() > kNamesShown)
            text += "\n(+" + std::to_string(leftAlone.size() - kNamesShown) + ")";
    }
    if (stopped) text += "\n\n" + texts[Stopped];
    return text;
}

}  // namespace quorvex
