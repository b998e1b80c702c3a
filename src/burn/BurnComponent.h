#pragma once

#include <string>

namespace quorvex {

// The burner as the wizard drives it. On Cancel during a burn the wizard calls CancelBurn,
// AbortJob and OpenTray in that order; a burn stops within a few seconds of CancelBurn.
class BurnComponent {
  public:
    virtual ~BurnComponent() = default;

    // Prepares a burn of burnFolder's files, rescued from sourceFolder.
    virtual void InitializeMe(const std::string& sourceFolder, const std::string& burnFolder) = 0;
    // True when a writable medium is in the chosen burner (for an image file: when the file
    // can be written).
    virtual bool isBurnDriveReady() = 0;
    // Asks a running burn to stop; returns at once.
    virtual void CancelBurn() = 0;
    // Waits for a stopping burn to end and discards the prepared job.
    virtual void AbortJob() = 0;
    // Ejects the disc; nothing for an image file.
    virtual void OpenTray() = 0;
    // Makes the component inactive: it reports no ready drive and starts nothing.
    virtual void DisableMe() = 0;
    // The QuickErase property: a quick (true) or full erase the next time one is made.
    virtual void setQuickErase(bool quick) = 0;
    // Active again after an erase, with the drive's readiness checked anew.
    virtual void ReInitializeMe() = 0;
};

}  // namespace quorvex
