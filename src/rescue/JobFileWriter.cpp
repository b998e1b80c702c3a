#include "JobFileWriter.h"

#include "JobFileText.h"

namespace quorvex {

namespace {

std::string flag(bool value) {
    return value ? " 1" : " 0";
}

std::string count(std::int64_t value) {
    return " " + std::to_string(value);
}

}  // namespace

std::string JobFileWriter::format(const SavedJob& job) {
    std::string text = std::string(Header) + "\n";
    text += "source " + JobFileText::escape(job.source) + "\n";
    text += "destination " + JobFileText::escape(job.destination) + "\n";
    for (const std::string& item : job.selected)
        text += "select " + JobFileText::escape(item) + "\n";
    for (const std::string& folder : job.unreadFolders)
        text += "unread " + JobFileText::escape(folder) + "\n";
    for (const Selection::LeftOut& entry : job.leftOut)
        text += "left " + JobFileText::escape(entry.path) + " " +
                JobFileText::escape(entry.reason) + "\n";
    if (job.walkFull) text += "limit\n";
    for (const JobRecord& record : job.items) text += itemLines(record);
    text += "end " + std::to_string(job.items.size()) + "\n";
    return text;
}

std::string JobFileWriter::update(std::size_t number, const JobRecord& record) {
    std::string line = "update " + std::to_string(number) + state(record);
    for (const ByteRange& range : record.lost) line += count(range.start) + count(range.end);
    return line + "\n";
}

std::string JobFileWriter::state(const JobRecord& record) {
    const JobItem& item = record.item;
    return flag(item.isDone) + flag(record.damaged) + count(item.StartPosition) +
           count(item.CopiedBytes) + flag(record.ownsCopy) + flag(record.link) +
           count(record.length);
}

std::string JobFileWriter::itemLines(const JobRecord& record) {
    std::string text =
        "item" + state(record) + " " + JobFileText::escape(record.item.FileName) + "\n";
    for (const ByteRange& range : record.lost)
        text += "lost" + count(range.start) + count(range.end) + "\n";
    return text;
}

}  // namespace quorvex
