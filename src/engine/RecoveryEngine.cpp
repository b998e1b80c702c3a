#include "RecoveryEngine.h"

#include <algorithm>
#include <cmath>

#include "ProgramConfig.h"
#include "RecoveryTexts.h"
#include "RunTimeError.h"
#include "SizeToText.h"

namespace quorvex {

RecoveryEngine::RecoveryEngine(RecoveryServices services)
    : services_(services),
      damaged_(services.messages, services.texts),
      copy_(services_, state, display_, damaged_) {}

RunEnd RecoveryEngine::StartProcess() {
    resetRun();
    display_.AddHRec(text(RecoveryTexts::RunStarted), true);
    const std::int32_t count = state.Items_Count;
    for (state.CurrentFile = 1; state.CurrentFile <= count; ++state.CurrentFile) {
        copy_.FileCopiedBytes = 0;
        services_.events.runPendingEvents();
        JobItem& item = job.item(state.CurrentFile);
        if (item.isFolder()) {
            if (!processFolder(item)) break;
        } else {
            display_.itemStarted(state.CurrentFile);
            processFile(item);
        }
        showRunFigures();
        if (lastCopyResult_ == BlockCopy::Interrupted) {
            const auto reached = copy_.FileCopiedBytes;
            item.CopiedBytes = reached;
            item.isDone = false;
            item.StartPosition = reached;
            state.ItemsNotCopied_Count = state.Items_Count - state.CurrentFile + 1;
            clearItemsAfter(state.CurrentFile);
        }
        if (!item.isFolder()) display_.itemEnded(state.CurrentFile);
        if (lastCopyResult_ == BlockCopy::Interrupted) break;
    }
    display_.AddHRec(text(RecoveryTexts::RunEnded), true);
    state.isCopyingProcess = false;
    return endEvent();
}

void RecoveryEngine::TerminateMe() { state.AbortWindowResult = services_.prompts.askToAbort(); }

void RecoveryEngine::resetRun() {
    state.AboutExistingFiles = 0;
    state.isCopyingProcess = true;
    state.AbortWindowResult = 0;
    state.TotalCopiedBytes = 0;
    state.TotalLostBytes = 0;
    state.FilesCopied = 0;
    state.ItemsFolders_Count = 0;
    state.ItemsNotCopied_Count = 0;
    copy_.CopyRunning = false;
    lastCopyResult_ = 0;
    damaged_.clear();
    display_.clearHistory();
    display_.figures().runPercent = "0%";
    display_.figures().runProgress = 0;
    display_.figuresChanged();
}

// Creates the folder's place in the destination; false, after telling the user, when it
// cannot be made, which ends the run.
bool RecoveryEngine::processFolder(const JobItem& item) {
    const std::string folder = item.FileName.substr(1);
    const auto target = destinationOf(folder);
    display_.AddHRec(text(RecoveryTexts::CreatingFolder) + ": \"" + target.value_or(folder) + "\".",
                     true);
    if (!target || !CreateNewFolder(*target)) {
        services_.messages.messageBox(PromptIcon::Critical, PromptButtons::Ok, ProgramConfig::Title,
                                      text(RecoveryTexts::FolderNotCreated));
        return false;
    }
    ++state.ItemsFolders_Count;
    return true;
}

bool RecoveryEngine::CreateNewFolder(const std::string& path) {
    try {
        if (!services_.folders.folderExists(path)) services_.folders.createFolder(path);
        return true;
    } catch (const RunTimeError&) {
        return false;
    }
}

void RecoveryEngine::processFile(JobItem& item) {
    const std::string& path = item.FileName;
    display_.AddHRec(path + "...", true);
    const auto destination = destinationOf(path);
    if (!destination || !copy_.OpenSourceFile(path)) return notOpened(item);
    if (services_.files.isSameFile(path, *destination)) {
        services_.files.closeAll();
        return skip(item, RecoveryTexts::Skipped);
    }
    std::int16_t result = 0;
    if (services_.files.exists(*destination) && item.StartPosition == 0) {
        if (state.AboutExistingFiles < ExistingFileAnswer::OverwriteAll)
            state.AboutExistingFiles = services_.prompts.askAboutExistingFile(*destination);
        if (state.AboutExistingFiles == ExistingFileAnswer::Skip ||
            state.AboutExistingFiles == ExistingFileAnswer::SkipAll) {
            services_.files.closeAll();
            return skip(item, RecoveryTexts::Skipped);
        }
        result = overwriteExisting(item, *destination);
    } else {
        display_.AddHRec(path + " - " + text(RecoveryTexts::Copying), false);
        result = copy_.Copying(path, *destination, item.StartPosition);
        if (result == BlockCopy::Copied) {
            item.isDone = true;
            display_.AddHRec(path + " - ok", false);
        }
    }
    lastCopyResult_ = result;
    if (result != BlockCopy::Copied) {
        item.isDone = false;
        display_.AddHRec(path + " - " + text(RecoveryTexts::CopyIncomplete), false);
    }
    item.CopiedBytes = copy_.FileCopiedBytes;
}

std::int16_t RecoveryEngine::overwriteExisting(JobItem& item, const std::string& destination) {
    display_.AddHRec(item.FileName + " - " + text(RecoveryTexts::Overwriting), false);
    if (!removeExisting(destination)) {
        services_.files.closeAll();
        return BlockCopy::Failed;
    }
    const std::int16_t result = copy_.Copying(item.FileName, destination, item.StartPosition);
    if (result == BlockCopy::Copied) {
        item.isDone = true;
        display_.AddHRec(item.FileName + " - " + text(RecoveryTexts::Overwritten), false);
    }
    return result;
}

// The old file must be gone before the copy starts: a copy written over a longer old file
// would keep the old file's tail.
bool RecoveryEngine::removeExisting(const std::string& destination) {
    while (true) {
        try {
            services_.files.remove(destination);
            return true;
        } catch (const RunTimeError& error) {
            if (!copy_.ErrorMessages(error.number(), true)) return false;
        }
    }
}

void RecoveryEngine::skip(JobItem& item, int suffixText) {
    display_.AddHRec(item.FileName + " - " + text(suffixText), false);
    item.isDone = false;
    item.CopiedBytes = item.StartPosition;
}

void RecoveryEngine::notOpened(JobItem& item) {
    display_.AddHRec(text(RecoveryTexts::SourceNotOpened) + ": " + item.FileName, false);
    item.isDone = false;
    item.CopiedBytes = item.StartPosition;
}

std::optional<std::string> RecoveryEngine::destinationOf(const std::string& path) const {
    if (!path.starts_with(state.SourcePath)) return std::nullopt;
    const std::string relative = path.substr(state.SourcePath.size());
    const std::string wrapped = "/" + relative + "/";
    if (wrapped.find("/../") != std::string::npos) return std::nullopt;
    return state.DestinationPath + relative;
}

void RecoveryEngine::showRunFigures() {
    state.TotalCopiedBytes += copy_.FileCopiedBytes;
    RecoveryFigures& figures = display_.figures();
    figures.StatT[0] =
        std::to_string(state.CurrentFile) + " / " + std::to_string(state.Items_Count);
    figures.StatT[1] = SizeToText(static_cast<double>(state.TotalCopiedBytes));
    const double share =
        state.Items_Count > 0 ? 100.0 / (static_cast<double>(state.Items_Count) / state.CurrentFile)
                              : 0.0;
    const int percent = std::clamp(static_cast<int>(std::trunc(share)), 0, 100);
    figures.runPercent = std::to_string(percent) + "%";
    figures.runProgress = percent;
    display_.figuresChanged();
}

void RecoveryEngine::clearItemsAfter(std::int32_t number) {
    for (std::int32_t later = number + 1; later <= state.Items_Count; ++later) {
        JobItem& item = job.item(later);
        item.CopiedBytes = 0;
        item.isDone = false;
        item.StartPosition = 0;
        const int percent = static_cast<int>(100.0 / (static_cast<double>(state.Items_Count) / later));
        display_.figures().runPercent = std::to_string(percent) + "%";
        display_.figures().runProgress = percent;
        services_.events.runPendingEvents();
    }
    display_.figuresChanged();
}

RunEnd RecoveryEngine::endEvent() const {
    if (state.AbortWindowResult == AbortAnswer::Abort) return RunEnd::ProcessAborted;
    if (lastCopyResult_ == BlockCopy::Interrupted) return RunEnd::ProcessAborted;
    if (state.AbortWindowResult == AbortAnswer::GoOn) return RunEnd::ProcessDone;
    if (state.AbortWindowResult == AbortAnswer::Pause) return RunEnd::ProcessPaused;
    return RunEnd::NoEvent;
}

}  // namespace quorvex
