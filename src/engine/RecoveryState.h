#pragma once

#include <cstdint>
#include <string>

namespace quorvex {

// The public variables of a recovery run, read and written directly by the host.
struct RecoveryState {
    // Overwrite answer: 1 this file, 10 all files, 2 skip this file, 20 skip all; 0 not asked.
    std::int16_t AboutExistingFiles = 0;
    // Stop answer: 0 go on, 1 pause, 2 stop this file, 3 abort.
    std::int16_t AbortWindowResult = 0;
    std::string SourcePath;
    std::string DestinationPath;
    bool isCopyingProcess = false;
    std::int32_t CurrentFile = 0;
    std::int32_t FilesCopied = 0;
    std::int64_t TotalCopiedBytes = 0;
    std::int64_t TotalLostBytes = 0;
    // Items in the job list; -1 after a destination file could not be created.
    std::int32_t Items_Count = 0;
    std::int32_t ItemsNotCopied_Count = 0;
    std::int32_t ItemsFolders_Count = 0;
    std::int32_t CorruptedFilesCount = 0;
    // The host's task; the destination message is shown only for task 0.
    std::int32_t WizardTask = 0;
};

}  // namespace quorvex
