#pragma once

#include <optional>
#include <string>
#include <vector>

namespace quorvex {

enum class ExistingFiles { Ask, Overwrite, Skip };

// The command line: quorvex-rescue [--job FILE] [--overwrite | --skip-existing]
//                                  [--no-sector-pass] SOURCE_ROOT DEST_ROOT [ITEM...]
//               quorvex-rescue --retry-lost --job FILE
struct RescueArguments {
    static constexpr const char* Usage =
        "usage: quorvex-rescue [--job FILE] [--overwrite | --skip-existing] "
        "[--no-sector-pass] SOURCE_ROOT DEST_ROOT [ITEM...]\n"
        "       quorvex-rescue --retry-lost --job FILE";

    std::optional<std::string> jobFile;
    ExistingFiles existing = ExistingFiles::Ask;
    // Damaged ranges are read again sector by sector after each file's first pass.
    bool sectorPass = true;
    // Only the saved job's lost ranges are read again; the roots come from the job.
    bool retryLost = false;
    std::string source;
    std::string destination;
    std::vector<std::string> items;
    bool help = false;

    // Raises UsageError for unknown options, a missing value or root, or both answers given.
    static RescueArguments parse(const std::vector<std::string>& words);

  private:
    void setExisting(ExistingFiles answer);
};

}  // namespace quorvex
