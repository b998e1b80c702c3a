#include "LostRangeRetry.h"

#include "LostRanges.h"
#include "RunTimeError.h"
#include "SectorPass.h"

namespace quorvex {

namespace {

// The source's reads and the copy's writes for the sector pass. Any failure of a read counts as
// a failing piece; a failing write ends the retry, since the copy can no longer be trusted.
class RetryMedium final : public SectorPass::Medium {
  public:
    RetryMedium(FileLayer& files, const std::function<bool()>& goOn)
        : files_(files), goOn_(goOn) {}

    SectorPass::PieceRead read(std::int64_t position, std::span<char> buffer,
                               bool sectors) override {
        try {
            return SectorPass::readSource(files_, position, buffer, sectors);
        } catch (const RunTimeError&) {
            return {SectorPass::Outcome::Failed, 0};
        }
    }
    bool keep(std::int64_t position, std::span<const char> bytes) override {
        try {
            files_.write(FileNumber::Destination, position, bytes);
            return true;
        } catch (const RunTimeError&) {
            writeFailed = true;
            return false;
        }
    }
    bool goOn() override { return goOn_(); }

    bool writeFailed = false;

  private:
    FileLayer& files_;
    const std::function<bool()>& goOn_;
};

}  // namespace

LostRangeRetry::LostRangeRetry(FileLayer& files, std::function<bool()> goOn)
    : files_(files), goOn_(std::move(goOn)) {}

LostRangeRetry::Totals LostRangeRetry::totalOf(const std::vector<FileOutcome>& outcomes) {
    Totals totals;
    for (const FileOutcome& outcome : outcomes) {
        totals.recovered += outcome.recovered;
        totals.stillLost += LostRanges::bytes(outcome.stillLost);
    }
    return totals;
}

std::vector<LostRangeRetry::FileOutcome> LostRangeRetry::retry(SavedJob& job) {
    std::vector<FileOutcome> outcomes;
    files_.confineTo(job.destination);
    // The caller's file layer is set free again however the retry ends, also when the caller's
    // hook raises because a record cannot be kept.
    struct Unconfined {
        FileLayer& files;
        ~Unconfined() { files.confineTo(""); }
    } unconfined{files_};
    for (std::size_t index = 0; index < job.items.size(); ++index) {
        JobRecord& record = job.items[index];
        if (!record.item.isDone || record.item.isFolder() || record.link || record.lost.empty())
            continue;
        if (stopped_) {
            outcomes.push_back({record.item.FileName, 0, record.lost, Skipped::No});
            continue;
        }
        outcomes.push_back(retryFile(job, record));
        if (fileEnds_) fileEnds_(index, record);
    }
    return outcomes;
}

LostRangeRetry::FileOutcome LostRangeRetry::retryFile(const SavedJob& job, JobRecord& record) {
    FileOutcome outcome{record.item.FileName, 0, record.lost, Skipped::No};
    const std::int64_t length = openBoth(job, record, outcome.skipped);
    if (length == 0) {
        files_.closeAll();
        return outcome;
    }
    if (fileStarts_) fileStarts_(record.item.FileName, LostRanges::bytes(record.lost));
    RetryMedium medium(files_, goOn_);
    SectorPass::Result result =
        SectorPass(medium, files_.sectorSize(FileNumber::Source)).run(record.lost, length);
    files_.closeAll();
    stopped_ = result.stopped;
    if (medium.writeFailed) {
        outcome.skipped = Skipped::CopyChanged;
        return outcome;
    }
    outcome.recovered = LostRanges::bytes(record.lost) - result.lost.lostBytes();
    record.lost = result.lost.ranges();
    record.damaged = !record.lost.empty();
    outcome.stillLost = record.lost;
    return outcome;
}

// A source that cannot be opened (gone, or now a link, which is never read through) is
// unreadable; any other failure is the copy's.
std::int64_t LostRangeRetry::openBoth(const SavedJob& job, const JobRecord& record,
                                      Skipped& skipped) {
    const std::string copy = job.copyOf(record);
    const std::int64_t lastLost = record.lost.back().end;
    try {
        const NameEntry entry = files_.entry(copy);
        if (entry.kind != NameEntry::Kind::File || entry.length != record.length ||
            entry.length < lastLost) {
            skipped = Skipped::CopyChanged;
            return 0;
        }
        if (!openSource(record.item.FileName)) {
            skipped = Skipped::SourceUnreadable;
            return 0;
        }
        const std::int64_t sourceLength = files_.length(FileNumber::Source);
        if (sourceLength < record.lost.front().start) {
            skipped = Skipped::SourceUnreadable;
            return 0;
        }
        files_.open(FileNumber::Destination, copy, FileOpenMode::ReadWrite);
        if (files_.length(FileNumber::Destination) != entry.length) {
            skipped = Skipped::CopyChanged;
            return 0;
        }
        return sourceLength;
    } catch (const RunTimeError&) {
        skipped = files_.exists(record.item.FileName) ? Skipped::CopyChanged
                                                      : Skipped::SourceUnreadable;
        return 0;
    }
}

bool LostRangeRetry::openSource(const std::string& path) {
    try {
        files_.open(FileNumber::Source, path, FileOpenMode::Read);
        return true;
    } catch (const RunTimeError&) {
        return false;
    }
}

}  // namespace quorvex
