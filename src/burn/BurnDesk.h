#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "BurnComponent.h"
#include "BurnProgress.h"
#include "BurnTarget.h"
#include "MediumInfo.h"
#include "StartRefusal.h"

namespace quorvex {

// The burner as the burning page sees it: besides the wizard's calls, the choice of burner and
// of the burn's settings, the medium, and the start and progress of a burn.
class BurnDesk : public BurnComponent {
  public:
    // The optical drives of this machine. Scanning releases no drive: not while a burn runs.
    virtual std::vector<BurnTarget> burners() = 0;
    // The settings below hold for the next job; they must not change while one runs.
    virtual void setTarget(const BurnTarget& target) = 0;
    virtual void setVolumeLabel(const std::string& label) = 0;
    virtual void setVerifyAfterBurn(bool verify) = 0;
    // Narrows the prepared job to these entries directly in the burn folder; InitializeMe
    // prepares the whole folder.
    virtual void setSelection(std::vector<std::string> names) = 0;
    // The medium in the chosen burner; an image file is blank with the free space of its folder.
    // The look also tells the listener when the readiness changed, as isBurnDriveReady does.
    virtual MediumInfo medium() = 0;
    // The bytes of the image the burn folder makes; 0 without a job or when it cannot be made.
    virtual std::uint64_t dataSize() const = 0;
    // Starts the burn on a worker, or says why not before anything is written.
    virtual StartRefusal startBurn() = 0;
    virtual BurnProgress progress() const = 0;
};

}  // namespace quorvex
