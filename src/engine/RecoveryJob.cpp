#include "RecoveryJob.h"

#include <string>

#include "RunTimeError.h"

namespace quorvex {

void RecoveryJob::requireNumber(std::int32_t number) {
    if (number < 1 || number > MaxItems)
        throw RunTimeError(ErrorNumber::SubscriptOutOfRange, "item " + std::to_string(number));
}

JobItem& RecoveryJob::item(std::int32_t number) {
    requireNumber(number);
    if (number > size()) items_.resize(static_cast<std::size_t>(number));
    return items_[static_cast<std::size_t>(number - 1)];
}

const JobItem& RecoveryJob::item(std::int32_t number) const {
    requireNumber(number);
    if (number > size()) items_.resize(static_cast<std::size_t>(number));
    return items_[static_cast<std::size_t>(number - 1)];
}

std::int32_t RecoveryJob::append(JobItem item) {
    requireNumber(size() + 1);
    items_.push_back(std::move(item));
    return size();
}

}  // namespace quorvex
