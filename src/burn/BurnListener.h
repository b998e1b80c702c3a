#pragma once

namespace quorvex {

// What a burn component tells its owner. burnFinished arrives on the component's worker
// thread; the window forwards it to its own thread before touching any widget.
class BurnListener {
  public:
    virtual ~BurnListener() = default;

    // A burn ended: written (and verified), failed or cancelled; the component says which.
    virtual void burnFinished() = 0;
    // The chosen burner got or lost a writable medium (for an image file: a writable place).
    virtual void driveReadinessChanged(bool ready) = 0;
    // The medium must be erased before it can take the burn; fullErase asks for a full erase
    // rather than a quick one.
    virtual void eraseRequested(bool fullErase) = 0;
};

}  // namespace quorvex
