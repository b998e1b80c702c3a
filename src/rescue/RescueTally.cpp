#include "RescueTally.h"

#include <algorithm>

namespace quorvex {

RescueTally RescueTally::of(const SavedJob& job) {
    RescueTally tally;
    for (const JobRecord& record : job.items)
        if (!record.item.isFolder()) tally.add(record);
    return tally;
}

void RescueTally::add(const JobRecord& record) {
    std::int64_t lost = 0;
    for (const ByteRange& range : record.lost) lost += range.size();
    // Damage at the very end of a file leaves the engine's offset before the lost range.
    const std::int64_t reached =
        std::max(record.item.CopiedBytes, record.lost.empty() ? 0 : record.lost.back().end);
    bytesLost += lost;
    bytesCopied += std::max<std::int64_t>(reached - lost, 0);
    if (!record.item.isDone)
        notCopied.push_back(record.item);
    else if (record.damaged)
        ++damaged;
    else
        ++copied;
}

}  // namespace quorvex
