#include "JobRecordRules.h"

namespace quorvex {

std::string JobRecordRules::problem(const JobRecord& record) {
    const JobItem& item = record.item;
    if (item.FileName.empty()) return "an item without a name";
    if (std::string offsets = offsetProblem(record); !offsets.empty()) return offsets;
    if (item.isFolder() && (item.isDone || item.CopiedBytes != 0 || record.ownsCopy ||
                            record.link || !record.lost.empty()))
        return "a folder with the offsets of a file";
    if (record.link && !record.lost.empty()) return "a link with lost ranges";
    return rangeProblem(record);
}

// A done item keeps no resume offset and owns no partial copy; an item not done resumes at the
// offset it reached and has no finished copy to check.
std::string JobRecordRules::offsetProblem(const JobRecord& record) {
    const JobItem& item = record.item;
    if (item.StartPosition > MaxOffset || item.CopiedBytes > MaxOffset || record.length > MaxOffset)
        return "an offset beyond any file's length";
    if (item.isDone && (item.StartPosition != 0 || record.ownsCopy))
        return "a done item with a resume offset";
    if (!item.isDone && item.StartPosition != item.CopiedBytes)
        return "a resume offset that is not the offset reached";
    if (!item.isDone && (record.link || record.length != 0))
        return "an item not done with a finished copy";
    return {};
}

std::string JobRecordRules::rangeProblem(const JobRecord& record) {
    std::int64_t previousEnd = 0;
    for (const ByteRange& range : record.lost) {
        if (range.start < 1 || range.end < range.start) return "a lost range out of order";
        if (range.start <= previousEnd) return "lost ranges that overlap or are out of order";
        if (range.end > record.item.CopiedBytes) return "a lost range beyond the bytes reached";
        previousEnd = range.end;
    }
    return {};
}

}  // namespace quorvex
