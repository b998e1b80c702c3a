#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "BlockCopy.h"
#include "CopyTarget.h"
#include "DamagedFiles.h"
#include "ReachedFolders.h"
#include "RecoveryDisplay.h"
#include "RecoveryJob.h"
#include "RecoveryServices.h"
#include "RecoveryState.h"
#include "RunEnd.h"
#include "RunTimeError.h"

namespace quorvex {

// Performs a recovery run over a job list: creates the folders, asks about existing
// destination files, copies each file block by block and records the damaged ones. The job
// list keeps every item's offsets after the run, so a later run continues each interrupted file.
// Nothing is made through a symbolic link below the destination root: an item whose path meets
// one is left out and its note tells why. An existing file is replaced only by a whole copy,
// and a symbolic link of the source is made again as a link, never followed.
class RecoveryEngine {
public:
    explicit RecoveryEngine(RecoveryServices services);

    RunEnd StartProcess();
    // Asks whether and how to stop; the running copy acts on the answer after its block.
    void TerminateMe();

    RecoveryState state;
    RecoveryJob job;

    RecoveryDisplay& display() { return display_; }
    const DamagedFiles& damagedFiles() const { return damaged_; }
    // The end offset reached in the file being copied, and the damaged ranges met in it so far:
    // what a checkpoint during a long file keeps.
    std::int64_t fileCopiedBytes() const { return copy_.FileCopiedBytes; }
    // Whether each file's damaged ranges are read again after its first pass (on by default).
    void setSectorPass(bool on) { copy_.sectorPass = on; }
    const DamagedRanges& fileDamage() const { return copy_.CurrentRanges; }

private:
    void resetRun();
    void confineDestination();
    void releaseDestination();
    bool processFolder(const JobItem& item);
    void makeFolder(const std::string& path);
    void processFile(JobItem& item);
    std::optional<CopyTarget> targetFor(JobItem& item, const std::string& destination);
    bool madeNew(const std::string& destination);
    std::int64_t startOf(const JobItem& item, const CopyTarget& target);
    bool overwriteAllowed(const std::string& destination);
    void recreateLink(JobItem& item, const std::string& destination);
    void placeLink(const std::string& target, const std::string& destination);
    void leaveOut(JobItem& item, const RunTimeError& error);
    void skip(JobItem& item, int suffixText);
    void notOpened(JobItem& item);
    // The item's place below the destination root, or nothing for a path that does not lie
    // below the source root or climbs out of it.
    std::optional<std::string> destinationOf(const std::string& path) const;
    static bool leadsUp(std::string_view path);
    void showRunFigures();
    bool stopAsked() const;
    void leaveItemsFrom(std::int32_t first);
    RunEnd endEvent() const;
    const std::string& text(int index) const {
        return services_.texts[static_cast<std::size_t>(index)];
    }

    RecoveryServices services_;
    RecoveryDisplay display_;
    DamagedFiles damaged_;
    BlockCopy copy_;
    ReachedFolders reachedFolders_;
    std::int16_t lastCopyResult_ = 0;
};

}  // namespace quorvex
