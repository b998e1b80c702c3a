#include "RescueTally.h"

#include <algorithm>

#include "LostRanges.h"

namespace quorvex {

RescueTally RescueTally::of(const SavedJob& job) {
    RescueTally tally;
    for (const JobRecord& record : job.items)
        if (!record.item.isFolder()) tally.add(record);
    return tally;
}

void RescueTally::add(const JobRecord& record) {
    const std::int64_t lost = LostRanges::bytes(record.lost);
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
