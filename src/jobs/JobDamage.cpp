#include "JobDamage.h"

#include <string_view>
#include <unordered_map>

#include "DamagedRanges.h"

namespace quorvex {

std::vector<DamageRecord> JobDamage::of(const SavedJob& job,
                                        const std::vector<DamageRecord>& earlier,
                                        const std::vector<DamageRecord>& found) {
    std::unordered_map<std::string_view, const DamageRecord*> newest;
    for (const auto* records : {&earlier, &found})
        for (const DamageRecord& record : *records) newest[record.source] = &record;
    std::vector<DamageRecord> damaged;
    for (const JobRecord& record : job.items) {
        if (!record.damaged || record.item.isFolder()) continue;
        const auto known = newest.find(record.item.FileName);
        DamageRecord base;
        if (known != newest.end()) {
            base = *known->second;
        } else {
            base.source = record.item.FileName;
            base.destination = job.copyOf(record);
            base.Copied = record.item.CopiedBytes;
        }
        damaged.push_back(withRanges(std::move(base), record.lost));
    }
    return damaged;
}

DamageRecord JobDamage::withRanges(DamageRecord record, const std::vector<ByteRange>& ranges) {
    DamagedRanges merged;
    for (const ByteRange& range : ranges) merged.add(range.start, range.size());
    record.ranges = merged.ranges();
    record.lostBytes = merged.lostBytes();
    record.rangeText = merged.text();
    return record;
}

}  // namespace quorvex
