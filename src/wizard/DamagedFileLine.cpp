#include "DamagedFileLine.h"

#include "SizeToText.h"

namespace quorvex {

std::string DamagedFileLine::of(const DamageRecord& record, const TextTable& mainText) {
    std::string line = record.source;
    std::string separator = ":  ";
    if (!record.ranges.empty()) {
        line += separator + filled(mainText[45], SizeToText(static_cast<double>(record.lostBytes)),
                                   rangeList(record));
        separator = ";  ";
    }
    if (record.Copied < record.File1Size)
        line += separator + filled(mainText[46], std::to_string(record.Copied),
                                   std::to_string(record.File1Size));
    return line;
}

std::string DamagedFileLine::rangeList(const DamageRecord& record) {
    std::string list;
    for (const ByteRange& range : record.ranges) {
        if (!list.empty()) list += ", ";
        list += std::to_string(range.start) + "-" + std::to_string(range.end);
    }
    return list;
}

// Puts the two values in place of "%1" and "%2".
std::string DamagedFileLine::filled(std::string text, const std::string& first,
                                    const std::string& second) {
    for (const auto& [mark, value] : {std::pair{"%1", &first}, std::pair{"%2", &second}}) {
        const std::size_t at = text.find(mark);
        if (at != std::string::npos) text.replace(at, 2, *value);
    }
    return text;
}

}  // namespace quorvex
