#pragma once

#include <string>

#include "RunReport.h"

namespace quorvex::test {

// A paused run of `itemCount` items (at least 4) under roots named after `tag`: folders,
// files done, damaged and not done, names with every byte but NUL, damaged files with
// ranges, items named and left out by the walk.
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
    report.job.source = "/media/" + tag + "/";
    report.job.destination = "/home/user/rescued " + tag + "/";
    report.job.selected = {"photos", "a\nb"};
    report.job.unreadFolders = {report.job.source + "unreadable/"};
    report.job.leftOut = {{report.job.source + "fifo", "a named pipe"}};
    report.job.walkFull = true;

    std::string everyByte;
    for (int byte = 1; byte < 256; ++byte) everyByte += static_cast<char>(byte);
    for (int i = 0; i < itemCount; ++i) {
        JobRecord record;
        record.item.FileName = report.job.source + "file" + std::to_string(i);
        record.item.CopiedBytes = 4096 * i;
        record.item.isDone = i < itemCount - 2;
        record.length = record.item.CopiedBytes;
        report.job.items.push_back(record);
    }
    report.job.items[0].item.FileName = "\t" + report.job.source + "folder/";
    report.job.items[1].item.FileName = report.job.source + everyByte;
    report.job.items[1].link = true;
    report.job.items[2].damaged = true;
    report.job.items[2].lost = {{1, 4096}, {8193, 12288}};
    JobRecord& unfinished = report.job.items.back();
    unfinished.item.StartPosition = unfinished.item.CopiedBytes;
    unfinished.ownsCopy = true;
    unfinished.damaged = true;
    unfinished.lost = {{4097, 8192}};

    DamageRecord first;
    first.source = report.job.items[2].item.FileName;
    first.destination = report.job.destination + "file2";
    first.keptBeside = first.destination + ".rescued-incomplete";
    first.FileDTV = "07/12/2026 01:40:00";
    first.File1Size = 20'000;
    first.ranges = report.job.items[2].lost;
    first.lostBytes = 8192;
    first.Copied = 20'000;
    first.rangeText = "1 - 4096, 8193 - 12288";
    DamageRecord second;
    second.source = unfinished.item.FileName;
    second.FAttr = 33;
    second.ranges = unfinished.lost;
    second.lostBytes = 4096;
    second.Copied = unfinished.item.CopiedBytes;
    report.damaged = {first, second};
    return report;
}

// Every value of the report as text, so that two reports compare whole and a difference
// shows where it lies.
inline std::string described(const RunReport& report) {
    const auto ranges = [](const std::vector<ByteRange>& list) {
        std::string text;
        for (const ByteRange& range : list)
            text += " " + std::to_string(range.start) + "-" + std::to_string(range.end);
        return text;
    };
    std::string text = "#" + std::to_string(report.number) + " " +
                       std::to_string(report.startedAt) + ".." + std::to_string(report.endedAt) +
                       " task " + std::to_string(report.task) + " outcome " +
                       std::to_string(static_cast<int>(report.outcome));
    for (const std::int64_t figure :
         {std::int64_t{report.Items_Count}, std::int64_t{report.ItemsNotCopied_Count},
          std::int64_t{report.CorruptedFilesCount}, std::int64_t{report.FilesCopied},
          std::int64_t{report.ItemsFolders_Count}, std::int64_t{report.CurrentFile},
          report.TotalCopiedBytes, report.TotalLostBytes}) {
        text += " " + std::to_string(figure);
    }
    const SavedJob& job = report.job;
    text += "\njob [" + job.source + "] -> [" + job.destination + "] full " +
            std::to_string(job.walkFull);
    for (const std::string& name : job.selected) text += "\nselected [" + name + "]";
    for (const std::string& folder : job.unreadFolders) text += "\nunread [" + folder + "]";
    for (const auto& left : job.leftOut) text += "\nleft out [" + left.path + "] " + left.reason;
    for (const JobRecord& record : job.items) {
        const JobItem& item = record.item;
        text += "\nitem [" + item.FileName + "] " + std::to_string(item.CopiedBytes) + " " +
                std::to_string(item.StartPosition) + " done " + std::to_string(item.isDone) +
                " damaged " + std::to_string(record.damaged) + " owns " +
                std::to_string(record.ownsCopy) + " link " + std::to_string(record.link) + " " +
                std::to_string(record.length) + ranges(record.lost);
    }
    for (const DamageRecord& damage : report.damaged) {
        text += "\ndamaged [" + damage.source + "] [" + damage.destination + "] [" +
                damage.keptBeside + "] [" + damage.FileDTV + "] " +
                std::to_string(damage.File1Size) + " " + std::to_string(damage.FAttr) + " " +
                std::to_string(damage.lostBytes) + " " + std::to_string(damage.Copied) + " [" +
                damage.rangeText + "]" + ranges(damage.ranges);
    }
    return text;
}

// The report as the history gives it back under a number.
inline RunReport numbered(RunReport report, std::int64_t number) {
    report.number = number;
    return report;
}

}  // namespace quorvex::test
