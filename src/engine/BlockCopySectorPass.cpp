#include <string>

#include "BlockCopy.h"
#include "BlockCopyFile.h"
#include "RecoveryTexts.h"
#include "RunTimeError.h"
#include "SectorPass.h"
#include "SizeToText.h"

namespace quorvex {

bool BlockCopy::readDamageAgain(FileCopy& copy) {
    if (!sectorPass || CurrentRanges.count() == 0) return true;
    display_.AddHRec({copy.source, " - ", services_.texts[RecoveryTexts::ReadingDamageAgain]},
                     false);

    // The copy's files as the pass reads and writes them. Only a failing read of the medium is
    // damage; any other failure of a read (a drive that went away) ends the pass without a
    // question, and what was not reached stays lost as the first pass found it.
    class CopyMedium final : public SectorPass::Medium {
      public:
        CopyMedium(BlockCopy& owner, FileCopy& copy) : owner_(owner), copy_(copy) {}

        SectorPass::PieceRead read(std::int64_t position, std::span<char> buffer,
                                   bool sectors) override {
            try {
                return SectorPass::readSource(owner_.services_.files, position, buffer, sectors);
            } catch (const RunTimeError& error) {
                if (error.number() != ErrorNumber::PathFileAccessError) gaveUp_ = true;
                return {SectorPass::Outcome::Failed, 0};
            }
        }
        bool keep(std::int64_t position, std::span<const char> bytes) override {
            writeGivenUp_ = !owner_.writeBlock(copy_, position, bytes);
            return !writeGivenUp_;
        }
        bool goOn() override {
            owner_.runPendingEvents();
            return !gaveUp_ && owner_.CopyRunning && owner_.state_.AbortWindowResult == 0;
        }
        bool writeGivenUp() const { return writeGivenUp_; }

      private:
        BlockCopy& owner_;
        FileCopy& copy_;
        bool gaveUp_ = false;
        bool writeGivenUp_ = false;
    };

    CopyMedium medium(*this, copy);
    RecoveryFigures& figures = display_.figures();
    const std::int64_t sectorSize = services_.files.sectorSize(FileNumber::Source);
    figures.StatR[4] = std::to_string(sectorSize) + " b";
    display_.figuresChanged();
    const SectorPass::Result result =
        SectorPass(medium, sectorSize, MinBlockSize).run(CurrentRanges.ranges(), copy.fileLength);
    if (medium.writeGivenUp()) return false;
    CurrentRanges = result.lost;
    LostBytes = CurrentRanges.lostBytes();
    figures.StatR[1] = SizeToText(static_cast<double>(LostBytes));
    display_.figuresChanged();
    if (!CopyRunning) {
        closeAllFiles();
        copy.result = Failed;
        return false;
    }
    if (state_.AbortWindowResult > 0) {
        copy.result = stop(copy, false);
        return false;
    }
    return true;
}

}  // namespace quorvex
