#pragma once

#include <cstdint>
#include <vector>

#include "JobItem.h"

namespace quorvex {

// The job list of a run, addressed by 1-based item numbers up to 1,000,000.
class RecoveryJob {
public:
    static constexpr std::int32_t MaxItems = 1000000;

    // The item; the list grows to reach it. A number outside 1..1,000,000 is a subscript error.
    JobItem& item(std::int32_t number);
    const JobItem& item(std::int32_t number) const;

    void clear() { items_.clear(); }
    // Appends an item after the last one used and returns its number.
    std::int32_t append(JobItem item);
    // Makes room for this many items in all, so that a long list grows without spare room.
    void reserve(std::size_t count) { items_.reserve(count); }
    std::int32_t size() const { return static_cast<std::int32_t>(items_.size()); }

private:
    static void requireNumber(std::int32_t number);

    mutable std::vector<JobItem> items_;
};

}  // namespace quorvex
