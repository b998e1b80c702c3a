#include "BlockCopy.h"

#include <algorithm>
#include <cmath>
#include <span>

#include "ProgramConfig.h"
#include "RecoveryTexts.h"
#include "RunTimeError.h"
#include "SizeToText.h"

namespace quorvex {

namespace {

constexpr std::int32_t kBinaryAccess = 32;

std::string sizeText(std::int64_t bytes) { return SizeToText(static_cast<double>(bytes)); }

}  // namespace

struct BlockCopy::FileCopy {
    std::string source;
    std::string destination;
    std::int64_t fileLength = 0;
    // The source's length when the copy began; it is shorter now if the source shrank.
    std::int64_t File1Size = 0;
    std::int64_t position = 1;
    std::int64_t blockLength = 0;
    int lastPercent = 0;
    std::string FileDTV;
    bool pastEnd = false;
    std::int16_t result = Failed;
};

BlockCopy::BlockCopy(RecoveryServices& services, RecoveryState& state, RecoveryDisplay& display,
                     DamagedFiles& damaged)
    : services_(services), state_(state), display_(display), damaged_(damaged) {}

bool BlockCopy::OpenSourceFile(const std::string& path) {
    while (!services_.files.exists(path)) {
        const PromptAnswer answer =
            services_.messages.messageBox(PromptIcon::Critical, PromptButtons::RetryCancel,
                                          ProgramConfig::Title,
                                          services_.texts[RecoveryTexts::FileUnreachable]);
        if (answer != PromptAnswer::Retry) return false;
    }
    while (true) {
        try {
            services_.files.open(FileNumber::Source, path, FileOpenMode::Read);
            return true;
        } catch (const RunTimeError& error) {
            if (!ErrorMessages(error.number(), false)) return false;
        }
    }
}

bool BlockCopy::OpenDestinationFile(const std::string& path) {
    try {
        services_.files.open(FileNumber::Destination, path, FileOpenMode::ReadWrite);
        return true;
    } catch (const RunTimeError&) {
        return false;
    }
}

bool BlockCopy::ErrorMessages(int er_code, bool writing) {
    int text = writing ? RecoveryTexts::DestinationNotWritten : RecoveryTexts::FileUnreachable;
    if (er_code == ErrorNumber::BadFileNameOrNumber || er_code == ErrorNumber::DiskFull)
        text = RecoveryTexts::FileUnreachable;
    else if (er_code == ErrorNumber::FileNotFound)
        text = RecoveryTexts::FileNotFound;
    else if (er_code == ErrorNumber::DiskNotReady)
        text = RecoveryTexts::DriveNotReady;
    return services_.messages.messageBox(PromptIcon::Critical, PromptButtons::RetryCancel,
                                         ProgramConfig::Title, services_.texts[text]) ==
           PromptAnswer::Retry;
}

std::int16_t BlockCopy::Copying(const std::string& file, const std::string& File2,
                                std::int64_t StartFrom) {
    state_.AbortWindowResult = 0;
    CopyRunning = true;
    FileCopiedBytes = 0;
    LostBytes = 0;
    CurrentRanges.clear();
    RecoveryFigures& figures = display_.figures();
    figures.StatR[0] = "0b / 0b";
    figures.StatR[1] = "0";
    figures.StatR[2] = "0b/s";
    figures.fileProgress = 0;
    display_.figuresChanged();

    if (!OpenDestinationFile(File2)) {
        closeAllFiles();
        if (state_.WizardTask == 0)
            services_.messages.messageBox(
                PromptIcon::None, PromptButtons::Ok, ProgramConfig::Title,
                "Unable to continue.\rDestination path not found. Please restart process.");
        state_.Items_Count = -1;
        CopyRunning = false;
        return Failed;
    }

    FileCopy copy;
    copy.source = file;
    copy.destination = File2;
    try {
        copy.fileLength = copy.File1Size = services_.files.length(FileNumber::Source);
        copy.FileDTV = services_.files.fileDateTime(file);
    } catch (const RunTimeError&) {
        closeAllFiles();
        CopyRunning = false;
        return Failed;
    }
    copy.blockLength = std::min(MaxBlockLength, copy.fileLength - StartFrom);
    services_.speed.ReStart(copy.fileLength);
    copy.position = StartFrom + 1;

    while (true) {
        runPendingEvents();
        double percent = 100.0;
        if (copy.blockLength >= 1) {
            const auto copied = services_.files.copyRange(
                FileNumber::Source, FileNumber::Destination, copy.position,
                static_cast<std::size_t>(copy.blockLength));
            const auto count = copied ? copied : readBlock(copy);
            if (!count) return copy.result;
            if (copy.pastEnd) break;
            runPendingEvents();
            const auto read = static_cast<std::int64_t>(*count);
            FileCopiedBytes = copy.position + read - 1;
            if (read < copy.blockLength && FileCopiedBytes < copy.fileLength)
                copy.fileLength = FileCopiedBytes;
            if (!copied && read > 0 && !writeBlock(copy, *count)) return copy.result;
            runPendingEvents();
            if (copy.fileLength > 0)
                percent = 100.0 / (static_cast<double>(copy.fileLength) /
                                   static_cast<double>(FileCopiedBytes));
        }
        showProgress(copy, percent);

        copy.position += copy.blockLength;
        if (copy.position + copy.blockLength - 1 < copy.fileLength &&
            copy.blockLength != MaxBlockLength)
            copy.blockLength = std::min(copy.blockLength * 2, MaxBlockLength);

        runPendingEvents();
        if (!CopyRunning) {
            closeAllFiles();
            return Failed;
        }
        if (state_.AbortWindowResult > 0) return stop(copy, false);
        if (copy.fileLength - copy.position - 1 < copy.blockLength)
            copy.blockLength = copy.fileLength - copy.position + 1;
        if (copy.blockLength <= 0 || copy.position > copy.fileLength) break;
    }
    return finish(copy);
}

// Reads the block at the position, probing damaged areas down to the smallest block. Nothing
// comes back when the user cancelled; pastEnd is set when damage moved the position beyond
// the end of the file.
std::optional<std::size_t> BlockCopy::readBlock(FileCopy& copy) {
    while (true) {
        if (copy.position > copy.fileLength) {
            copy.pastEnd = true;
            return 0;
        }
        buffer_.resize(static_cast<std::size_t>(copy.blockLength));
        try {
            return services_.files.read(FileNumber::Source, copy.position, buffer_);
        } catch (const RunTimeError& error) {
            if (error.number() == ErrorNumber::PermissionDenied ||
                error.number() == ErrorNumber::PathFileAccessError) {
                handleDamagedBlock(copy);
            } else if (!ErrorMessages(error.number(), false)) {
                copy.result = stop(copy, true);
                return std::nullopt;
            }
        }
    }
}

// A failing write is never damage of the source: the user may retry it or cancel the file.
bool BlockCopy::writeBlock(FileCopy& copy, std::size_t count) {
    while (true) {
        try {
            services_.files.write(FileNumber::Destination, copy.position,
                                  std::span<const char>(buffer_.data(), count));
            return true;
        } catch (const RunTimeError& error) {
            if (!ErrorMessages(error.number(), true)) {
                copy.result = stop(copy, true);
                return false;
            }
        }
    }
}

void BlockCopy::handleDamagedBlock(FileCopy& copy) {
    runPendingEvents();
    if (FileCopiedBytes > 0) services_.speed.UpdateChart(FileCopiedBytes);
    RecoveryFigures& figures = display_.figures();
    figures.StatR[2] = SizeToText(services_.speed.Speed()) + "/s";
    if (copy.blockLength > MinBlockSize) {
        copy.blockLength = std::max(copy.blockLength / 2, MinBlockSize);
    } else {
        const std::int64_t lost = std::min(MinBlockSize, copy.fileLength - copy.position + 1);
        CurrentRanges.add(copy.position, lost);
        copy.position += MinBlockSize;
        copy.blockLength = MinBlockSize;
        LostBytes += lost;
    }
    figures.StatR[1] = sizeText(LostBytes);
    figures.StatR[4] = std::to_string(copy.blockLength) + "b";
    display_.figuresChanged();
}

void BlockCopy::showProgress(FileCopy& copy, double percent) {
    const int whole = static_cast<int>(std::trunc(percent));
    if (whole == copy.lastPercent) return;
    RecoveryFigures& figures = display_.figures();
    figures.StatR[0] = sizeText(FileCopiedBytes) + " / " + sizeText(copy.fileLength);
    if (LostBytes > 0) figures.StatR[1] = sizeText(LostBytes);
    figures.StatR[4] = std::to_string(copy.blockLength) + " b";
    const double runFraction = (state_.Items_Count + 1) / (state_.CurrentFile + percent / 100.0);
    if (FileCopiedBytes > 0) services_.speed.UpdateChart(FileCopiedBytes);
    figures.fileProgress = whole;
    figures.StatR[2] = SizeToText(services_.speed.Speed()) + "/s";
    figures.StatR[3] = std::to_string(whole) + "%";
    figures.StatT[1] = sizeText(state_.TotalCopiedBytes + FileCopiedBytes);
    const int runPercent = runFraction > 0 ? std::clamp(static_cast<int>(100.0 / runFraction), 0, 100) : 0;
    figures.runPercent = std::to_string(runPercent) + "%";
    figures.runProgress = runPercent;
    copy.lastPercent = whole;
    display_.figuresChanged();
}

// Ends the copy on a stop answer or a cancelled error prompt: the pause and abort answers make
// it an interruption that keeps its offset for resuming.
std::int16_t BlockCopy::stop(FileCopy& copy, bool cancelled) {
    if (cancelled) state_.AboutExistingFiles = ExistingFileAnswer::Skip;
    closeAllFiles();
    CopyRunning = false;
    const bool interrupted = state_.AbortWindowResult == AbortAnswer::Pause ||
                             state_.AbortWindowResult == AbortAnswer::Abort;
    record(copy);
    return interrupted ? Interrupted : Failed;
}

std::int16_t BlockCopy::finish(FileCopy& copy) {
    const bool closed = closeAllFiles();
    record(copy);
    CopyRunning = false;
    if (!closed) return Failed;
    ++state_.FilesCopied;
    return Copied;
}

void BlockCopy::record(const FileCopy& copy) {
    state_.TotalLostBytes += LostBytes;
    damaged_.RecCorruptedBlocks(state_.CorruptedFilesCount, copy.source, copy.destination,
                                copy.File1Size, kBinaryAccess, CurrentRanges, FileCopiedBytes,
                                copy.FileDTV);
}

// Closes both files; false when closing failed, which may mean written data did not land.
bool BlockCopy::closeAllFiles() {
    try {
        services_.files.closeAll();
        return true;
    } catch (const RunTimeError&) {
        return false;
    }
}

}  // namespace quorvex
