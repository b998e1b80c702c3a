#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "CopyDestination.h"
#include "CopyTarget.h"
#include "DamagedFiles.h"
#include "DamagedRanges.h"
#include "RecoveryDisplay.h"
#include "RecoveryServices.h"
#include "RecoveryState.h"

namespace quorvex {

// Copies one file from possibly damaged media. Reads grow from the first block up to 64 KiB
// while they succeed and halve when they fail; when a read of 8 KiB (or of the shorter rest
// of the file) fails too, those bytes are declared damaged, left as a gap in the copy and
// skipped. A read that comes back short while the source keeps its length fails the rest of
// its block the same way. Only bytes that were read are ever written, and every exit closes
// both files. Holes of a sparse source are skipped: neither read nor written. Where the file
// layer can copy a block inside the kernel it does; a block it cannot copy, damaged or not, is
// then read and written here, which tells a failing read from a failing write. Once the end is
// reached, the damaged ranges are read again in smaller pieces, down to single sectors.
class BlockCopy {
public:
    static constexpr std::int64_t MinBlockSize = 8192;
    static constexpr std::int64_t MaxBlockLength = MinBlockSize * 8;

    // Copy results: copied to the end, failed or stopped, interrupted by pause or abort, and
    // copied to the end but not in the destination: its name no longer holds the file written.
    static constexpr std::int16_t Copied = 1;
    static constexpr std::int16_t Failed = 0;
    static constexpr std::int16_t Interrupted = -1;
    static constexpr std::int16_t Vanished = -2;

    BlockCopy(RecoveryServices& services, RecoveryState& state, RecoveryDisplay& display,
              DamagedFiles& damaged);

    // What opening the source came to: file 1 is open; the name is a symbolic link, which is
    // never read through; or it failed and the user gave up.
    enum class SourceOpening { Opened, Link, Failed };
    // Opens the source as file 1, asking Retry or Cancel while it is missing or fails.
    SourceOpening OpenSourceFile(const std::string& path);
    // Opens the name the copy is written to as file 2 (see CopyDestination::open); false on
    // failure, with both files closed.
    bool OpenDestinationFile(const CopyTarget& target, std::int64_t StartFrom);
    // Asks Retry or Cancel about a failure, in words that tell what failed; true for Retry.
    bool ErrorMessages(int er_code, bool writing);
    // Copies file 1, already open on `file`, to the target after the first StartFrom bytes.
    std::int16_t Copying(const std::string& file, const CopyTarget& target,
                         std::int64_t StartFrom);

    // End offset reached in the file being copied: every byte before it was copied, declared
    // damaged, or lies in a hole of the source.
    std::int64_t FileCopiedBytes = 0;
    bool CopyRunning = false;
    std::int64_t LostBytes = 0;
    // The damaged ranges of the file being copied, so far.
    DamagedRanges CurrentRanges;
    // After a file's first pass its damaged ranges are read again in smaller pieces (see
    // SectorPass); off, the first pass's ranges stay as they are.
    bool sectorPass = true;
    // No byte of the file was lost: a copy that lost bytes never replaces an earlier file.
    bool lostNothing() const { return LostBytes == 0 && CurrentRanges.count() == 0; }

private:
    bool isLink(const std::string& path);
    struct FileCopy;

    bool askToRetry(int text);
    bool reachData(FileCopy& copy);
    void advance(FileCopy& copy);
    void fitLastBlock(FileCopy& copy);
    std::optional<std::size_t> readBlock(FileCopy& copy);
    bool takeShortRead(FileCopy& copy, std::int64_t read);
    std::optional<std::int64_t> sourceLength();
    void noteLengthChange(FileCopy& copy);
    bool writeBlock(FileCopy& copy, std::int64_t position, std::span<const char> bytes);
    // Reads the damaged ranges of a file whose first pass reached its end again, keeping what
    // reads now; false when the copy ended there (its result is in copy.result).
    bool readDamageAgain(FileCopy& copy);
    void handleDamagedBlock(FileCopy& copy);
    void showProgress(FileCopy& copy, double percent);
    std::int16_t stop(FileCopy& copy, bool cancelled);
    std::int16_t finish(FileCopy& copy);
    std::optional<bool> settle(FileCopy& copy, std::int64_t length);
    void record(FileCopy& copy);
    bool closeAllFiles();
    void runPendingEvents() { services_.events.runPendingEvents(); }

    RecoveryServices& services_;
    RecoveryState& state_;
    RecoveryDisplay& display_;
    DamagedFiles& damaged_;
    CopyDestination destination_;
    std::vector<char> buffer_;
};

}  // namespace quorvex
