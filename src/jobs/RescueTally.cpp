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
    bytesLost += lost;
    bytesCopied += std::max<std::int64_t>(record.item.CopiedBytes - lost, 0);
    if (!record.item.isDone)
        notCopied.push_back(record.item);
    else if (record.damaged)
        ++damaged;
    else
        ++copied;
}

}  // namespace quorvex
