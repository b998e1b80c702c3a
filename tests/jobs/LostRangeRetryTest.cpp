#include <gtest/gtest.h>

#include <filesystem>

#include "DamagedMediaFileLayer.h"
#include "LostRangeRetry.h"
#include "ReportHistory.h"
#include "StoredReportRetry.h"
#include "TemporaryFolder.h"

namespace quorvex::test {
namespace {

// A done file whose copy has zeros where a first run lost 8 KiB blocks, retried over a medium
// that now fails only at the positions the test gives.
class LostRangeRetryTest : public ::testing::Test {
  protected:
    static constexpr std::int64_t kSize = 64 * 1024;

    LostRangeRetryTest() {
        for (std::int64_t at = 0; at < kSize; ++at) bytes.push_back(static_cast<char>(at * 7 % 251));
        source.write("f", bytes);
        std::string copy = bytes;
        for (const ByteRange& range : lost)
            copy.replace(static_cast<std::size_t>(range.start - 1), static_cast<std::size_t>(range.size()),
                         static_cast<std::size_t>(range.size()), '\0');
        destination.write("f", copy);
        job.source = source.path();
        job.destination = destination.path();
        JobRecord record;
        record.item = JobItem{source.file("f"), kSize, 0, true};
        record.damaged = true;
        record.lost = lost;
        record.length = kSize;
        job.items.push_back(record);
    }
    std::vector<LostRangeRetry::FileOutcome> retry() {
        return LostRangeRetry(files, [] { return true; }).retry(job);
    }
    // The job as a completed run in the history, each file damaged by the first run's ranges.
    std::int64_t storeRun(ReportHistory& history) const {
        RunReport report;
        report.outcome = RunOutcome::Completed;
        report.job = job;
        report.Items_Count = static_cast<std::int32_t>(job.items.size());
        report.FilesCopied = report.Items_Count;
        report.CorruptedFilesCount = report.Items_Count;
        report.TotalCopiedBytes = (kSize - 16384) * report.Items_Count;
        report.TotalLostBytes = 16384 * report.Items_Count;
        for (const JobRecord& record : job.items) {
            DamageRecord damaged;
            damaged.source = record.item.FileName;
            damaged.destination = job.copyOf(record);
            damaged.File1Size = kSize;
            damaged.Copied = kSize;
            damaged.ranges = lost;
            damaged.lostBytes = 16384;
            report.damaged.push_back(damaged);
        }
        return history.append(report);
    }

    TemporaryFolder source;
    TemporaryFolder destination;
    DamagedMediaFileLayer files;
    std::string bytes;
    const std::vector<ByteRange> lost{{8193, 16384}, {40961, 49152}};
    SavedJob job;
};

// What reads now is written in place, the ranges shrink to what still fails, and nothing
// outside the lost ranges is read.
TEST_F(LostRangeRetryTest, OnlyTheLostRangesAreReadAndWhatReadsNowFillsTheCopy) {
    files.addBadRange(10001, 10001);
    const auto outcomes = retry();

    ASSERT_EQ(outcomes.size(), 1u);
    const std::vector<ByteRange> stillLost{{9729, 10240}};
    EXPECT_EQ(outcomes[0].stillLost, stillLost);
    EXPECT_EQ(outcomes[0].recovered, 2 * 8192 - 512);
    EXPECT_EQ(job.items[0].lost, stillLost);
    std::string expected = bytes;
    expected.replace(9728, 512, 512, '\0');
    EXPECT_TRUE(destination.read("f") == expected);
    for (const ReadCall& call : files.sourceReads()) {
        const std::int64_t last = call.position + static_cast<std::int64_t>(call.length) - 1;
        EXPECT_TRUE(std::any_of(lost.begin(), lost.end(), [&](const ByteRange& range) {
            return call.position >= range.start && last <= range.end;
        })) << "read at " << call.position;
    }
}

// A copy that is no longer the one the job made, or a source that is gone or now a link, is
// left as it is, with its ranges.
TEST_F(LostRangeRetryTest, AChangedCopyOrAMissingSourceIsNotTouched) {
    destination.write("f", "another file now");
    auto outcomes = retry();
    EXPECT_EQ(outcomes.at(0).skipped, LostRangeRetry::Skipped::CopyChanged);
    EXPECT_EQ(destination.read("f"), "another file now");
    EXPECT_EQ(job.items[0].lost, lost);

    std::filesystem::remove(destination.file("f"));
    std::filesystem::create_symlink(source.file("f"), destination.file("f"));
    EXPECT_EQ(retry().at(0).skipped, LostRangeRetry::Skipped::CopyChanged) << "a link there";

    std::filesystem::remove(destination.file("f"));
    destination.write("f", std::string(kSize, '\0'));
    std::filesystem::rename(source.file("f"), source.file("g"));
    std::filesystem::create_symlink(source.file("g"), source.file("f"));
    EXPECT_EQ(retry().at(0).skipped, LostRangeRetry::Skipped::SourceUnreadable) << "a link";
    std::filesystem::remove(source.file("f"));
    EXPECT_EQ(retry().at(0).skipped, LostRangeRetry::Skipped::SourceUnreadable);
    EXPECT_EQ(job.items[0].lost, lost);
    EXPECT_EQ(destination.read("f"), std::string(kSize, '\0'));
}

// A run kept in the report history is retried the same way, and its record then tells the
// narrowed ranges, the damaged file with them and the bytes lost.
TEST_F(LostRangeRetryTest, AStoredRunsRecordTakesTheNarrowedRanges) {
    files.addBadRange(10001, 10001);
    ReportHistory history(destination.file("reports.sir"));
    const std::int64_t number = storeRun(history);

    const auto outcomes = StoredReportRetry::retry(history, number, files, [] { return true; });
    ASSERT_EQ(outcomes.size(), 1u);
    const RunReport stored = history.load(number);
    const std::vector<ByteRange> stillLost{{9729, 10240}};
    EXPECT_EQ(stored.job.items.at(0).lost, stillLost);
    EXPECT_EQ(stored.TotalLostBytes, 512);
    EXPECT_EQ(stored.TotalCopiedBytes, kSize - 512);
    ASSERT_EQ(stored.damaged.size(), 1u);
    EXPECT_EQ(stored.damaged[0].ranges, stillLost);
    EXPECT_EQ(stored.damaged[0].lostBytes, 512);
}

// The record is brought up to date as each file ends, not once at the end: while the second
// file is read again, it already holds the first one's narrowed ranges and the summary with them.
TEST_F(LostRangeRetryTest, AStoredRunsRecordKeepsEachFileAsItEnds) {
    source.write("g", bytes);
    destination.write("g", destination.read("f"));
    JobRecord second = job.items[0];
    second.item.FileName = source.file("g");
    job.items.push_back(second);
    files.addBadRange(10001, 10001);
    ReportHistory history(destination.file("reports.sir"));
    const std::int64_t number = storeRun(history);

    bool firstKeptWhileSecondRead = false;
    StoredReportRetry::retry(history, number, files, [&] {
        const RunReport stored = history.load(number);
        firstKeptWhileSecondRead |= stored.job.items[0].lost != lost &&
                                    stored.job.items[1].lost == lost &&
                                    stored.TotalLostBytes == 512 + 16384;
        return true;
    });
    EXPECT_TRUE(firstKeptWhileSecondRead);
    EXPECT_EQ(history.load(number).TotalLostBytes, 2 * 512);
}

}  // namespace
}  // namespace quorvex::test
