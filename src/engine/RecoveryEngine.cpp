#include "RecoveryEngine.h"

#include <algorithm>
#include <cmath>

#include "JoinedText.h"
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
    confineDestination();
    display_.AddHRec(text(RecoveryTexts::RunStarted), true);
    const std::int32_t count = state.Items_Count;
    for (state.CurrentFile = 1; state.CurrentFile <= count; ++state.CurrentFile) {
        copy_.FileCopiedBytes = 0;
        services_.events.runPendingEvents();
        if (stopAsked()) {
            leaveItemsFrom(state.CurrentFile);
            break;
        }
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
            leaveItemsFrom(state.CurrentFile + 1);
            state.ItemsNotCopied_Count = state.Items_Count - state.CurrentFile + 1;
        }
        if (!item.isFolder()) display_.itemEnded(state.CurrentFile);
        if (lastCopyResult_ == BlockCopy::Interrupted) break;
    }
    reachedFolders_.keepAttributes(services_.folders);
    releaseDestination();
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
    reachedFolders_.clear();
    display_.clearHistory();
    display_.figures().runPercent = "0%";
    display_.figures().runProgress = 0;
    display_.figuresChanged();
}

// Everything the run makes below the destination root is reached from the root without
// following a link. A root that cannot be opened leaves both layers refusing every name below
// it, so that each item fails as it would without the root.
void RecoveryEngine::confineDestination() {
    try {
        services_.files.confineTo(state.DestinationPath);
    } catch (const RunTimeError&) {
    }
    try {
        services_.folders.confineTo(state.DestinationPath);
    } catch (const RunTimeError&) {
    }
}

// The destination root is held open only while the run goes, so that its drive can be taken
// out afterwards and a root removed since is seen to be gone.
void RecoveryEngine::releaseDestination() {
    services_.files.confineTo("");
    services_.folders.confineTo("");
}

// Creates the folder's place in the destination; false, after telling the user, when it
// cannot be made, which ends the run. A folder whose path meets a link is left out with a note,
// and the run goes on: the items below it meet the link too.
bool RecoveryEngine::processFolder(const JobItem& item) {
    const std::string folder = item.FileName.substr(1);
    const auto target = destinationOf(folder);
    display_.AddHRec(text(RecoveryTexts::CreatingFolder) + ": \"" + target.value_or(folder) + "\".",
                     true);
    try {
        if (!target) throw RunTimeError(ErrorNumber::BadFileNameOrNumber, folder);
        makeFolder(*target);
    } catch (const RunTimeError& error) {
        if (error.number() == ErrorNumber::LinkInPath) {
            display_.itemNote(state.CurrentFile, text(RecoveryTexts::LinkInDestinationPath));
            return true;
        }
        services_.messages.messageBox(PromptIcon::Critical, PromptButtons::Ok, ProgramConfig::Title,
                                      text(RecoveryTexts::FolderNotCreated));
        return false;
    }
    reachedFolders_.add(folder, *target);
    ++state.ItemsFolders_Count;
    return true;
}

// A folder that an earlier run gave a read-only source folder's permissions is opened up for
// the owner again; the end of this run gives it back its source's permissions.
void RecoveryEngine::makeFolder(const std::string& path) {
    if (!services_.folders.folderExists(path)) return services_.folders.createFolder(path);
    services_.folders.allowWriting(path);
}

void RecoveryEngine::processFile(JobItem& item) {
    const std::string& path = item.FileName;
    display_.AddHRec({path, "..."}, true);
    const auto destination = destinationOf(path);
    if (!destination) return notOpened(item);
    const BlockCopy::SourceOpening opened = copy_.OpenSourceFile(path);
    if (opened == BlockCopy::SourceOpening::Link) return recreateLink(item, *destination);
    if (opened == BlockCopy::SourceOpening::Failed) return notOpened(item);
    // A pause or abort answered while the open blocked would be cleared by the copy: it ends
    // the run here, with the item as it was.
    if (stopAsked()) {
        services_.files.closeAll();
        return;
    }
    std::optional<CopyTarget> target;
    try {
        target = targetFor(item, *destination);
    } catch (const RunTimeError& error) {
        services_.files.closeAll();
        return leaveOut(item, error);
    }
    if (!target) {
        services_.files.closeAll();
        return skip(item, RecoveryTexts::Skipped);
    }
    const bool replacing = target->replacing();
    const int doing = replacing ? RecoveryTexts::Overwriting : RecoveryTexts::Copying;
    display_.AddHRec({path, " - ", text(doing)}, false);
    const std::int16_t result = copy_.Copying(path, *target, startOf(item, *target));
    lastCopyResult_ = result;
    item.isDone = result == BlockCopy::Copied;
    if (!item.isDone)
        display_.AddHRec({path, " - ", text(RecoveryTexts::CopyIncomplete)}, false);
    else if (replacing && copy_.lostNothing())
        display_.AddHRec({path, " - ", text(RecoveryTexts::Overwritten)}, false);
    else
        display_.AddHRec({path, " - ok"}, false);
    // A copy that is not in the destination leaves nothing to continue.
    if (result == BlockCopy::Vanished) item.StartPosition = 0;
    item.CopiedBytes = copy_.FileCopiedBytes;
}

// Where the copy is written: a resumed copy goes on in the partial copy it left beside an
// earlier file, or else in its own file; a copy that would replace an existing name is asked
// about, and written beside it; a new file is made under its own name. Nothing when the
// destination is the source itself, reached by another route (a root that leads back to the
// source, a hard link), or the user chose to skip. Raises LinkInPath when a link stands on
// the way.
// A file not begun before is first made under its name, which fails where anything has that
// name: a free name, the common case, then costs no look of its own.
std::optional<CopyTarget> RecoveryEngine::targetFor(JobItem& item, const std::string& destination) {
    if (item.StartPosition == 0 && madeNew(destination))
        return CopyTarget{destination, destination, false, true};
    const NameEntry existing = services_.files.entry(destination);
    if (existing.kind == NameEntry::Kind::File &&
        services_.files.names(destination, FileNumber::Source))
        return std::nullopt;
    const std::string partial = CopyTarget::partialOf(destination);
    if (item.StartPosition > 0 && services_.files.entry(partial).kind == NameEntry::Kind::File)
        return CopyTarget{destination, partial, true};
    if (item.StartPosition > 0 && existing.kind == NameEntry::Kind::File)
        return CopyTarget{destination, destination, true};
    item.StartPosition = 0;
    if (!existing.exists()) return CopyTarget{destination, destination, false};
    if (!overwriteAllowed(destination)) return std::nullopt;
    return CopyTarget{destination, partial, true};
}

// Any failure is left to the looks below, and met again where the copy opens its file, which
// tells it.
bool RecoveryEngine::madeNew(const std::string& destination) {
    try {
        services_.files.open(FileNumber::Destination, destination, FileOpenMode::CreateNew);
        return true;
    } catch (const RunTimeError&) {
        return false;
    }
}

// A resumed copy continues only where its written file holds every byte before the offset;
// otherwise it starts again.
std::int64_t RecoveryEngine::startOf(const JobItem& item, const CopyTarget& target) {
    if (item.StartPosition == 0) return 0;
    const std::int64_t written = services_.files.entry(target.writtenAs).length;
    return written >= item.StartPosition ? item.StartPosition : 0;
}

bool RecoveryEngine::overwriteAllowed(const std::string& destination) {
    if (state.AboutExistingFiles < ExistingFileAnswer::OverwriteAll)
        state.AboutExistingFiles = services_.prompts.askAboutExistingFile(destination);
    return state.AboutExistingFiles != ExistingFileAnswer::Skip &&
           state.AboutExistingFiles != ExistingFileAnswer::SkipAll;
}

// A symbolic link of the source is made again as a link with the same target text, never
// followed, and counts as copied whole. An existing name is asked about as for files.
void RecoveryEngine::recreateLink(JobItem& item, const std::string& destination) {
    try {
        const std::string target = services_.files.readLink(item.FileName);
        if (services_.files.entry(destination).exists()) {
            if (!overwriteAllowed(destination)) return skip(item, RecoveryTexts::Skipped);
            placeLink(target, destination);
        } else {
            services_.files.makeLink(target, destination);
        }
    } catch (const RunTimeError& error) {
        return leaveOut(item, error);
    }
    display_.AddHRec({item.FileName, " - ", text(RecoveryTexts::LinkRecreated)}, false);
    item.isDone = true;
    item.CopiedBytes = item.StartPosition = 0;
    ++state.FilesCopied;
}

// Replaces the existing name at once: the new link is made under the partial name and renamed
// over it, so the name is never missing.
void RecoveryEngine::placeLink(const std::string& target, const std::string& destination) {
    const std::string partial = CopyTarget::partialOf(destination);
    if (services_.files.entry(partial).exists()) services_.files.remove(partial);
    services_.files.makeLink(target, partial);
    services_.files.rename(partial, destination, true);
}

void RecoveryEngine::leaveOut(JobItem& item, const RunTimeError& error) {
    if (error.number() == ErrorNumber::LinkInPath)
        display_.itemNote(state.CurrentFile, text(RecoveryTexts::LinkInDestinationPath));
    skip(item, RecoveryTexts::CopyIncomplete);
}

void RecoveryEngine::skip(JobItem& item, int suffixText) {
    display_.AddHRec({item.FileName, " - ", text(suffixText)}, false);
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
    const std::string_view relative = std::string_view(path).substr(state.SourcePath.size());
    if (leadsUp(relative)) return std::nullopt;
    return JoinedText::of({state.DestinationPath, relative});
}

// Whether one of the path's steps is "..".
bool RecoveryEngine::leadsUp(std::string_view path) {
    for (std::size_t start = 0; start <= path.size();) {
        const std::size_t end = std::min(path.find('/', start), path.size());
        if (path.substr(start, end - start) == "..") return true;
        start = end + 1;
    }
    return false;
}

void RecoveryEngine::showRunFigures() {
    state.TotalCopiedBytes += copy_.FileCopiedBytes;
    if (!display_.showsFigures()) return;
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

// A pause or abort answered while no file was being copied (at the pause before an item, or
// in a question after a copy) would otherwise be cleared by the next copy and the run would go
// on; it ends the run before the next item instead.
bool RecoveryEngine::stopAsked() const {
    return state.AbortWindowResult == AbortAnswer::Pause ||
           state.AbortWindowResult == AbortAnswer::Abort;
}

// The items from `first` on were not reached: none of them counts as done or holds an offset.
void RecoveryEngine::leaveItemsFrom(std::int32_t first) {
    state.ItemsNotCopied_Count = state.Items_Count - first + 1;
    for (std::int32_t later = first; later <= state.Items_Count; ++later) {
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
    if (state.AbortWindowResult == AbortAnswer::Pause) return RunEnd::ProcessPaused;
    if (lastCopyResult_ == BlockCopy::Interrupted) return RunEnd::ProcessAborted;
    if (state.AbortWindowResult == AbortAnswer::GoOn) return RunEnd::ProcessDone;
    if (state.AbortWindowResult == AbortAnswer::Pause) return RunEnd::ProcessPaused;
    return RunEnd::NoEvent;
}

}  // namespace quorvex
