#include "BlockCopy.h"

#include <algorithm>
#include <cmath>
#include <span>

#include "BlockCopyFile.h"
#include "ProgramConfig.h"
#include "RecoveryTexts.h"
#include "RunTimeError.h"
#include "SizeToText.h"

namespace quorvex {

namespace {

constexpr std::int32_t kBinaryAccess = 32;

std::string sizeText(std::int64_t bytes) { return SizeToText(static_cast<double>(bytes)); }

// The words of the Retry or Cancel question about a failure of reading or writing.
int errorText(int number, bool writing) {
    switch (number) {
        case ErrorNumber::DiskNotReady:
            return RecoveryTexts::DriveNotReady;
        case ErrorNumber::DiskFull:
            return RecoveryTexts::DestinationFull;
        case ErrorNumber::FileNotFound:
            return RecoveryTexts::FileNotFound;
        case ErrorNumber::BadFileNameOrNumber:
            return RecoveryTexts::FileUnreachable;
        case ErrorNumber::PermissionDenied:
            return writing ? RecoveryTexts::DestinationNotWritten
                           : RecoveryTexts::ReadPermissionDenied;
        default:
            return writing ? RecoveryTexts::DestinationNotWritten : RecoveryTexts::FileUnreachable;
    }
}

}  // namespace

BlockCopy::BlockCopy(RecoveryServices& services, RecoveryState& state, RecoveryDisplay& display,
                     DamagedFiles& damaged)
    : services_(services),
      state_(state),
      display_(display),
      damaged_(damaged),
      destination_(services.files) {}

// A missing source asks as a file that cannot be reached, since its medium may be out of the
// drive; a drive that stopped answering or a refused permission asks in its own words. The
// open does not follow a link at the name's end, so the name is looked at only when it failed.
BlockCopy::SourceOpening BlockCopy::OpenSourceFile(const std::string& path) {
    while (true) {
        try {
            services_.files.open(FileNumber::Source, path, FileOpenMode::Read);
            return SourceOpening::Opened;
        } catch (const RunTimeError& error) {
            if (error.number() == ErrorNumber::LinkInPath && isLink(path))
                return SourceOpening::Link;
            const bool retry = error.number() == ErrorNumber::FileNotFound
                                   ? askToRetry(RecoveryTexts::FileUnreachable)
                                   : ErrorMessages(error.number(), false);
            if (!retry) return SourceOpening::Failed;
        }
    }
}

bool BlockCopy::isLink(const std::string& path) {
    try {
        return services_.files.entry(path).kind == NameEntry::Kind::Link;
    } catch (const RunTimeError&) {
        return false;
    }
}

// A link on the way fails only this file, and the item's note tells why; any other failure
// means that the destination is gone or unusable, and the run ends.
bool BlockCopy::OpenDestinationFile(const CopyTarget& target, std::int64_t StartFrom) {
    try {
        destination_.open(target, StartFrom);
        return true;
    } catch (const RunTimeError& error) {
        closeAllFiles();
        CopyRunning = false;
        if (error.number() == ErrorNumber::LinkInPath) {
            display_.itemNote(state_.CurrentFile,
                              services_.texts[RecoveryTexts::LinkInDestinationPath]);
            return false;
        }
        if (state_.WizardTask == 0)
            services_.messages.messageBox(
                PromptIcon::None, PromptButtons::Ok, ProgramConfig::Title,
                "Unable to continue.\rDestination path not found. Please restart process.");
        state_.Items_Count = -1;
        return false;
    }
}

bool BlockCopy::ErrorMessages(int er_code, bool writing) {
    return askToRetry(errorText(er_code, writing));
}

bool BlockCopy::askToRetry(int text) {
    return services_.messages.messageBox(PromptIcon::Critical, PromptButtons::RetryCancel,
                                         ProgramConfig::Title, services_.texts[text]) ==
           PromptAnswer::Retry;
}

std::int16_t BlockCopy::Copying(const std::string& file, const CopyTarget& target,
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

    FileCopy copy{file, target};
    const auto length = sourceLength();
    if (!length) {
        closeAllFiles();
        CopyRunning = false;
        return Failed;
    }
    copy.fileLength = copy.File1Size = *length;
    // A resume offset beyond the source's end belongs to another, longer file: start again.
    if (StartFrom > copy.fileLength) StartFrom = 0;
    if (!OpenDestinationFile(target, StartFrom)) return Failed;
    FileCopiedBytes = StartFrom;
    copy.blockLength = std::min(MaxBlockLength, copy.fileLength - StartFrom);
    services_.speed.ReStart(copy.fileLength);
    copy.position = StartFrom + 1;

    while (true) {
        runPendingEvents();
        if (!reachData(copy)) break;
        double percent = 100.0;
        if (copy.blockLength >= 1) {
            const auto copied = services_.files.copyRange(
                FileNumber::Source, FileNumber::Destination, copy.position,
                static_cast<std::size_t>(copy.blockLength));
            const auto count = copied ? copied : readBlock(copy);
            if (!count) return copy.result;
            if (copy.pastEnd) break;
            runPendingEvents();
            if (!copied && *count > 0 &&
                !writeBlock(copy, copy.position, std::span<const char>(buffer_.data(), *count)))
                return copy.result;
            const auto read = static_cast<std::int64_t>(*count);
            FileCopiedBytes = copy.position + read - 1;
            if (read < copy.blockLength && !takeShortRead(copy, read)) return copy.result;
            runPendingEvents();
            if (copy.fileLength > 0)
                percent = 100.0 / (static_cast<double>(copy.fileLength) /
                                   static_cast<double>(FileCopiedBytes));
        }
        showProgress(copy, percent);

        if (!copy.probing) advance(copy);
        copy.probing = false;

        runPendingEvents();
        if (!CopyRunning) {
            closeAllFiles();
            return Failed;
        }
        if (state_.AbortWindowResult > 0) return stop(copy, false);
        if (copy.blockLength <= 0 || copy.position > copy.fileLength) break;
    }
    if (!readDamageAgain(copy)) return copy.result;
    noteLengthChange(copy);
    return finish(copy);
}

// Moves behind the block just done, doubling the block while it fits. A block being probed
// down keeps its position and length.
void BlockCopy::advance(FileCopy& copy) {
    copy.position += copy.blockLength;
    if (copy.position + copy.blockLength - 1 < copy.fileLength &&
        copy.blockLength != MaxBlockLength)
        copy.blockLength = std::min(copy.blockLength * 2, MaxBlockLength);
    fitLastBlock(copy);
}

// The last block takes the whole rest when fewer than a block and two bytes remain.
void BlockCopy::fitLastBlock(FileCopy& copy) {
    if (copy.fileLength - copy.position - 1 < copy.blockLength)
        copy.blockLength = copy.fileLength - copy.position + 1;
}

// Moves the position over a hole of the source to its next data and keeps the block inside
// that data; false when nothing but a hole is left. A hole counts as reached: it reads as
// zeros, and the copy keeps it a hole by writing nothing there.
bool BlockCopy::reachData(FileCopy& copy) {
    if (copy.holesUnknown || copy.blockLength < 1) return true;
    if (copy.position >= copy.holeStart) {
        const auto data = services_.files.nextData(FileNumber::Source, copy.position);
        if (!data) {
            copy.holesUnknown = true;
            return true;
        }
        copy.holeStart = data->holeStart;
        if (data->first > copy.position) {
            copy.position = data->first;
            FileCopiedBytes = std::min(data->first - 1, copy.fileLength);
            if (copy.position > copy.fileLength) return false;
            fitLastBlock(copy);
        }
    }
    copy.blockLength = std::min(copy.blockLength, copy.holeStart - copy.position);
    return true;
}

// A read that gave fewer bytes than asked ends the copy only where the source now really ends.
// Otherwise a driver cut the read short at a bad block: the rest of the block is taken as a
// failing read, probed down and recorded as damage, and the copy goes on behind it. The
// length is taken again from the open file to tell the two apart; a source that shrank is
// copied to its new end.
bool BlockCopy::takeShortRead(FileCopy& copy, std::int64_t read) {
    if (FileCopiedBytes >= copy.fileLength) return true;
    const auto length = sourceLength();
    if (!length) {
        copy.result = stop(copy, true);
        return false;
    }
    copy.fileLength = std::min(copy.fileLength, std::max(*length, FileCopiedBytes));
    if (FileCopiedBytes >= copy.fileLength) return true;
    copy.position = FileCopiedBytes + 1;
    copy.blockLength -= read;
    copy.probing = true;
    handleDamagedBlock(copy);
    return true;
}

// The source's length now, asking Retry or Cancel while it cannot be had; nothing on Cancel.
std::optional<std::int64_t> BlockCopy::sourceLength() {
    while (true) {
        try {
            return services_.files.length(FileNumber::Source);
        } catch (const RunTimeError& error) {
            if (!ErrorMessages(error.number(), false)) return std::nullopt;
        }
    }
}

// A source that shrank during the copy lost its missing bytes, from its new end to the length
// it had when the copy began: they count as one damaged range. One that grew was copied to the
// length it had when the copy began. Either is noted on the item.
void BlockCopy::noteLengthChange(FileCopy& copy) {
    if (copy.fileLength < copy.File1Size) {
        const std::int64_t missing = copy.File1Size - copy.fileLength;
        CurrentRanges.add(copy.fileLength + 1, missing);
        LostBytes += missing;
        FileCopiedBytes = copy.File1Size;
        display_.itemNote(state_.CurrentFile, services_.texts[RecoveryTexts::SourceShrank] + " " +
                                                  std::to_string(missing));
        return;
    }
    try {
        if (services_.files.length(FileNumber::Source) > copy.File1Size)
            display_.itemNote(state_.CurrentFile, services_.texts[RecoveryTexts::SourceGrew] +
                                                      " " + std::to_string(copy.File1Size));
    } catch (const RunTimeError&) {
        // Whether it grew is only a remark; the copy itself is complete.
    }
}

// Reads the block at the position, probing damaged areas down to the smallest block. Only a
// failing read of the medium (error 75) is damage: a drive that stopped answering, a read
// refused by permission and every other failure ask Retry or Cancel, and Cancel ends the file
// with the offset it reached, to be continued later. Nothing comes back when the user
// cancelled; pastEnd is set when damage moved the position beyond the end of the file.
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
            if (error.number() == ErrorNumber::PathFileAccessError) {
                handleDamagedBlock(copy);
            } else if (!ErrorMessages(error.number(), false)) {
                copy.result = stop(copy, true);
                return std::nullopt;
            }
        }
    }
}

// A failing write is never damage of the source: the user may retry it or cancel the file.
bool BlockCopy::writeBlock(FileCopy& copy, std::int64_t position, std::span<const char> bytes) {
    while (true) {
        try {
            services_.files.write(FileNumber::Destination, position, bytes);
            return true;
        } catch (const RunTimeError& error) {
            if (!ErrorMessages(error.number(), true)) {
                copy.result = stop(copy, true);
                return false;
            }
        }
    }
}

// Halves a failing block down to the smallest; a smallest block that fails is declared damaged
// and skipped, and counts as reached.
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
        FileCopiedBytes = std::min(copy.position - 1, copy.fileLength);
    }
    figures.StatR[1] = sizeText(LostBytes);
    figures.StatR[4] = std::to_string(copy.blockLength) + "b";
    display_.figuresChanged();
}

void BlockCopy::showProgress(FileCopy& copy, double percent) {
    const int whole = static_cast<int>(std::trunc(percent));
    if (whole == copy.lastPercent || !display_.showsFigures()) return;
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

// A copy that reached the end of its source counts as copied only once it is whole in the
// destination: it takes the source's length, time and permissions and its place, and its name
// still holds the file written, with that length, after the place was taken. Otherwise nothing
// of it is there, and the item's note tells why.
std::int16_t BlockCopy::finish(FileCopy& copy) {
    const auto settled = settle(copy, std::max(copy.fileLength, FileCopiedBytes));
    if (!settled) return copy.result;
    const bool inPlace = *settled;
    const bool closed = closeAllFiles();
    if (!inPlace) {
        FileCopiedBytes = 0;
        display_.itemNote(state_.CurrentFile,
                          services_.texts[copy.linkMet ? RecoveryTexts::LinkInDestinationPath
                                                       : RecoveryTexts::DestinationVanished]);
    } else if (!copy.keptBeside.empty()) {
        display_.itemNote(state_.CurrentFile,
                          services_.texts[RecoveryTexts::KeptBeside] + ": " + copy.keptBeside);
    }
    record(copy);
    CopyRunning = false;
    if (!inPlace) return Vanished;
    if (!closed) return Failed;
    ++state_.FilesCopied;
    return Copied;
}

// Makes the copy whole and puts it in its place (see CopyDestination), asking Retry or Cancel
// while that fails; whether it is in its place, or nothing after Cancel.
std::optional<bool> BlockCopy::settle(FileCopy& copy, std::int64_t length) {
    while (true) {
        try {
            destination_.complete(length);
            const std::string placed = destination_.place(copy.target, lostNothing());
            if (placed != copy.target.path && placed != copy.target.writtenAs)
                copy.keptBeside = placed;
            return destination_.isInPlace(placed, length);
        } catch (const RunTimeError& error) {
            if (error.number() == ErrorNumber::LinkInPath) {
                copy.linkMet = true;
                return false;
            }
            if (!ErrorMessages(error.number(), true)) {
                copy.result = stop(copy, true);
                return std::nullopt;
            }
        }
    }
}

// The source's date describes only a damaged file, so it is taken only for one; a source that
// can no longer be looked at leaves it empty.
void BlockCopy::record(FileCopy& copy) {
    state_.TotalLostBytes += LostBytes;
    if (CurrentRanges.count() > 0 || FileCopiedBytes != copy.File1Size) {
        try {
            copy.FileDTV = services_.files.fileDateTime(copy.source);
        } catch (const RunTimeError&) {
            copy.FileDTV.clear();
        }
    }
    damaged_.RecCorruptedBlocks(state_.CorruptedFilesCount, copy.source, copy.target.path,
                                copy.File1Size, kBinaryAccess, CurrentRanges, FileCopiedBytes,
                                copy.FileDTV, copy.keptBeside);
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
