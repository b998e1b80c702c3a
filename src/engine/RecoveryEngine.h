#pragma once

#include <optional>
#include <string>

#include "BlockCopy.h"
#include "DamagedFiles.h"
#include "RecoveryDisplay.h"
#include "RecoveryJob.h"
#include "RecoveryServices.h"
#include "RecoveryState.h"
#include "RunEnd.h"

namespace quorvex {

// Performs a recovery run over a job list: creates the folders, asks about existing
// destination files, copies each file block by block and records the damaged ones. The job
// list keeps every item's offsets after the run, so a later run continues each interrupted file.
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
    const DamagedRanges& fileDamage() const { return copy_.CurrentRanges; }

private:
    void resetRun();
    bool processFolder(const JobItem& item);
    void processFile(JobItem& item);
    std::int16_t overwriteExisting(JobItem& item, const std::string& destination);
    bool removeExisting(const std::string& destination);
    void skip(JobItem& item, int suffixText);
    void notOpened(JobItem& item);
    // The item's place below the destination root, or nothing for a path that does not lie
    // below the source root or climbs out of it.
    std::optional<std::string> destinationOf(const std::string& path) const;
    bool CreateNewFolder(const std::string& path);
    void showRunFigures();
    void clearItemsAfter(std::int32_t number);
    RunEnd endEvent() const;
    std::string text(int index) const { return services_.texts[static_cast<std::size_t>(index)]; }

    RecoveryServices services_;
    RecoveryDisplay display_;
    DamagedFiles damaged_;
    BlockCopy copy_;
    std::int16_t lastCopyResult_ = 0;
};

}  // namespace quorvex
