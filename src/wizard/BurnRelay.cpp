#include "BurnRelay.h"

namespace quorvex {

template <typename Call>
void BurnRelay::post(Call call) {
    QMetaObject::invokeMethod(
        this,
        [this, call] {
            if (target_ != nullptr) call(*target_);
        },
        Qt::QueuedConnection);
}

void BurnRelay::burnFinished() {
    post([](BurnListener& target) { target.burnFinished(); });
}

void BurnRelay::driveReadinessChanged(bool ready) {
    post([ready](BurnListener& target) { target.driveReadinessChanged(ready); });
}

void BurnRelay::eraseRequested(bool fullErase) {
    post([fullErase](BurnListener& target) { target.eraseRequested(fullErase); });
}

}  // namespace quorvex
