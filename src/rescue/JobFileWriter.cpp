#include "JobFileWriter.h"

#include "JobFileText.h"

namespace quorvex {

std::string JobFileWriter::format(const SavedJob& job) {
    std::string text = std::string(Header) + "\n";
    text += "source " + JobFileText::escape(job.source) + "\n";
    text += "destination " + JobFileText::escape(job.destination) + "\n";
    for (const std::string& item : job.selected)
        text += "select " + JobFileText::escape(item) + "\n";
    for (const std::string& folder : job.unreadFolders)
        text += "unread " + JobFileText::escape(folder) + "\n";
    if (job.walkFull) text += "limit\n";
    for (const JobRecord& record : job.items) text += itemLines(record);
    text += "end " + std::to_string(job.items.size()) + "\n";
    return text;
}

std::string JobFileWriter::itemLines(const JobRecord& record) {
    const JobItem& item = record.item;
    std::string text = "item " + std::to_string(item.isDone ? 1 : 0) + " " +
                       std::to_string(record.damaged ? 1 : 0) + " " +
                       std::to_string(item.StartPosition) + " " + std::to_string(item.CopiedBytes) +
                       " " + JobFileText::escape(item.FileName) + "\n";
    for (const ByteRange& range : record.lost)
        text += "lost " + std::to_string(range.start) + " " + std::to_string(range.end) + "\n";
    return text;
}

}  // namespace quorvex
