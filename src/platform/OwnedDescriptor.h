#pragma once

#include <fcntl.h>

#include <utility>

#include "SystemCalls.h"

namespace quorvex {

// An open descriptor closed when it goes, or AT_FDCWD, which stands for the current folder and
// is never closed.
class OwnedDescriptor {
public:
    OwnedDescriptor() = default;
    OwnedDescriptor(SystemCalls& calls, int descriptor) : calls_(&calls), descriptor_(descriptor) {}
    ~OwnedDescriptor() { reset(); }
    OwnedDescriptor(OwnedDescriptor&& other) noexcept
        : calls_(other.calls_), descriptor_(std::exchange(other.descriptor_, AT_FDCWD)) {}
    OwnedDescriptor& operator=(OwnedDescriptor&& other) noexcept {
        if (this != &other) {
            reset();
            calls_ = other.calls_;
            descriptor_ = std::exchange(other.descriptor_, AT_FDCWD);
        }
        return *this;
    }

    int get() const { return descriptor_; }
    // Hands the descriptor over to the caller, who closes it.
    int release() { return std::exchange(descriptor_, AT_FDCWD); }

private:
    void reset() {
        if (calls_ != nullptr && descriptor_ >= 0) calls_->close(descriptor_);
        descriptor_ = AT_FDCWD;
    }

    SystemCalls* calls_ = nullptr;
    int descriptor_ = AT_FDCWD;
};

}  // namespace quorvex
