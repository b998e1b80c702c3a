#include "ReportsMethods.h"

#include "ProgramConfig.h"
#include "ReportHistory.h"

namespace quorvex {

namespace {
constexpr std::size_t ClearHistoryQuestion = 128;
}

bool ReportsMethods::ClearReportHistory(Prompts& prompts, const TextTable& mainText,
                                        const std::string& path) {
    const PromptAnswer answer =
        prompts.messageBox(PromptIcon::Question, PromptButtons::YesNo, ProgramConfig::Title,
                           mainText[ClearHistoryQuestion]);
    if (answer != PromptAnswer::Yes) return false;
    return ReportHistory::removeFile(path);
}

std::string ReportsMethods::ViewerReference(const std::string& path, std::int64_t number) {
    return "\"" + path + "\"/[" + std::to_string(number) + ",9]";
}

}  // namespace quorvex
