#include "ProgressBoard.h"

namespace quorvex {

void ProgressBoard::begin(BurnPhase phase, std::uint64_t bytesTotal) {
    std::lock_guard lock(mutex_);
    progress_.phase = phase;
    progress_.bytesDone = 0;
    progress_.bytesTotal = bytesTotal;
    progress_.bytesPerSecond = 0;
    progress_.secondsLeft = 0;
    phaseStart_ = std::chrono::steady_clock::now();
}

void ProgressBoard::advance(std::uint64_t bytesDone, std::uint64_t bytesTotal) {
    std::lock_guard lock(mutex_);
    progress_.bytesDone = bytesDone;
    if (bytesTotal > 0) progress_.bytesTotal = bytesTotal;
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - phaseStart_;
    if (elapsed.count() <= 0 || bytesDone == 0) return;
    progress_.bytesPerSecond = static_cast<double>(bytesDone) / elapsed.count();
    const std::uint64_t left =
        progress_.bytesTotal > bytesDone ? progress_.bytesTotal - bytesDone : 0;
    progress_.secondsLeft = static_cast<double>(left) / progress_.bytesPerSecond;
}

void ProgressBoard::verified(std::vector<std::string> differingFiles) {
    std::lock_guard lock(mutex_);
    progress_.differingFiles = std::move(differingFiles);
    progress_.verified = true;
}

void ProgressBoard::finish(BurnPhase phase, std::string failure) {
    std::lock_guard lock(mutex_);
    progress_.phase = phase;
    progress_.failure = std::move(failure);
    progress_.secondsLeft = 0;
    if (phase == BurnPhase::Done) progress_.bytesDone = progress_.bytesTotal;
}

void ProgressBoard::reset() {
    std::lock_guard lock(mutex_);
    progress_ = BurnProgress{};
}

BurnProgress ProgressBoard::snapshot() const {
    std::lock_guard lock(mutex_);
    return progress_;
}

bool ProgressBoard::running() const {
    std::lock_guard lock(mutex_);
    return progress_.phase == BurnPhase::Writing || progress_.phase == BurnPhase::Verifying ||
           progress_.phase == BurnPhase::Erasing;
}

}  // namespace quorvex
