#pragma once

#include <gmock/gmock.h>

#include <filesystem>
#include <functional>
#include <sstream>
#include <string>

#include "HistoryError.h"
#include "ReportHistory.h"
#include "TemporaryFolder.h"

namespace quorvex::test {

// A paused run of `itemCount` items (at least 4) under roots named after `tag`: a folder, a
// link named with every byte but NUL, a damaged file done, an unfinished one with its own
// partial copy, the damaged files with ranges, items named and left out by the walk.
inline RunReport sampleReport(const std::string& tag, int itemCount) {
    RunReport report;
    report.startedAt = 1'700'000'000;
    report.endedAt = 1'700'003'725;
    report.task = 2;
    report.outcome = RunOutcome::Paused;
    report.Items_Count = itemCount;
    report.ItemsNotCopied_Count = 3;
    report.CorruptedFilesCount = 2;
    report.FilesCopied = itemCount - 3;
    report.ItemsFolders_Count = 1;
    report.CurrentFile = itemCount - 1;
    report.TotalCopiedBytes = 5'000'000'000'123;
    report.TotalLostBytes = 12'288;
    SavedJob& job = report.job;
    job.source = "/media/" + tag + "/";
    job.destination = "/home/user/rescued " + tag + "/";
    job.selected = {"photos", "a\nb"};
    job.unreadFolders = {job.source + "unreadable/"};
    job.leftOut = {{job.source + "fifo", "a named pipe"}};
    job.walkFull = true;
    for (int i = 0; i < itemCount; ++i) {
        JobRecord& record = job.items.emplace_back();
        record.item = {job.source + "file" + std::to_string(i), 4096 * i, 0, i < itemCount - 2};
        record.length = record.item.CopiedBytes;
    }
    job.items[0].item.FileName = "\t" + job.source + "folder/";
    job.items[1].item.FileName = job.source;
    for (int byte = 1; byte < 256; ++byte) job.items[1].item.FileName += static_cast<char>(byte);
    job.items[1].link = true;
    job.items[2].damaged = true;
    job.items[2].lost = {{1, 4096}, {8193, 12288}};
    JobRecord& unfinished = job.items.back();
    unfinished.item.StartPosition = unfinished.item.CopiedBytes;
    unfinished.ownsCopy = unfinished.damaged = true;
    unfinished.lost = {{4097, 8192}};

    report.damaged = {{job.items[2].item.FileName, job.destination + "file2",
                       job.destination + "file2.rescued-incomplete", "07/12/2026 01:40:00", 20'000,
                       32, job.items[2].lost, 8192, 20'000, "1 - 4096, 8193 - 12288"},
                      {unfinished.item.FileName, "", "", "", 0, 33, unfinished.lost, 4096,
                       unfinished.item.CopiedBytes, ""}};
    return report;
}

// The values, each in brackets, then the ranges.
template <typename... Values>
std::string fields(const std::vector<ByteRange>& ranges, const Values&... values) {
    std::ostringstream text;
    ((text << " [" << values << "]"), ...);
    for (const ByteRange& range : ranges) text << " " << range.start << "-" << range.end;
    return text.str();
}

// Every value of the report as text, one line per list entry, so that two reports compare
// whole and a difference shows where it lies.
inline std::string described(const RunReport& r) {
    const SavedJob& job = r.job;
    std::string text =
        fields({}, r.number, r.startedAt, r.endedAt, r.task, static_cast<int>(r.outcome),
               r.Items_Count, r.ItemsNotCopied_Count, r.CorruptedFilesCount, r.FilesCopied,
               r.ItemsFolders_Count, r.CurrentFile, r.TotalCopiedBytes, r.TotalLostBytes) +
        "\njob" + fields({}, job.source, job.destination, job.walkFull);
    for (const std::string& name : job.selected) text += "\nselected" + fields({}, name);
    for (const std::string& name : job.unreadFolders) text += "\nunread" + fields({}, name);
    for (const auto& left : job.leftOut) text += "\nleft" + fields({}, left.path, left.reason);
    for (const JobRecord& j : job.items) {
        text += "\nitem" + fields(j.lost, j.item.FileName, j.item.CopiedBytes, j.item.StartPosition,
                                  j.item.isDone, j.damaged, j.ownsCopy, j.link, j.length);
    }
    for (const DamageRecord& d : r.damaged) {
        text += "\ndamaged" + fields(d.ranges, d.source, d.destination, d.keptBeside, d.FileDTV,
                                     d.File1Size, d.FAttr, d.lostBytes, d.Copied, d.rangeText);
    }
    return text;
}

// The report as the history gives it back under a number.
inline RunReport numbered(RunReport report, std::int64_t number) {
    report.number = number;
    return report;
}

// Runs the action, which must fail with a HistoryError that names the file and the problem.
inline void expectRefused(const std::string& path, const std::string& problem,
                          const std::function<void()>& action) {
    try {
        action();
        ADD_FAILURE() << "the history let it through";
    } catch (const HistoryError& error) {
        EXPECT_THAT(error.what(), ::testing::HasSubstr("\"" + path + "\""));
        EXPECT_THAT(error.what(), ::testing::HasSubstr(problem));
    }
}

// A history file "reports.sir" in a fresh folder.
class HistoryFileTest : public ::testing::Test {
protected:
    std::string bytes() const { return folder.read("reports.sir"); }
    // Whether anything lies beside the history file in its folder.
    bool anythingBeside() const {
        return std::distance(std::filesystem::directory_iterator(folder.path()), {}) > 1;
    }

    TemporaryFolder folder;
    const std::string path = folder.file("reports.sir");
};

}  // namespace quorvex::test
