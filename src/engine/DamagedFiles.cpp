#include "DamagedFiles.h"

#include "ProgramConfig.h"
#include "RecoveryTexts.h"

namespace quorvex {

DamagedFiles::DamagedFiles(Prompts& prompts, const TextTable& texts)
    : prompts_(prompts), texts_(texts) {}

bool DamagedFiles::RecCorruptedBlocks(std::int32_t& CorruptedFilesCount,
                                      const std::string& source, const std::string& destination,
                                      std::int64_t File1Size, std::int32_t FAttr,
                                      const DamagedRanges& ranges, std::int64_t Copied,
                                      const std::string& FileDTV,
                                      const std::string& keptBeside) {
    if (ranges.count() == 0 && Copied == File1Size) return false;
    prompts_.messageBox(PromptIcon::None, PromptButtons::Ok, ProgramConfig::Title,
                        texts_[RecoveryTexts::FileDamaged]);
    ++CorruptedFilesCount;
    records_.push_back({source, destination, keptBeside, FileDTV, File1Size, FAttr, ranges.ranges(),
                        ranges.lostBytes(), Copied, ranges.text()});
    return true;
}

}  // namespace quorvex
