#pragma once

#include <string>
#include <vector>

#include "BurnDesk.h"

namespace quorvex::test {

// A burner that writes every call to a log ("InitializeMe SOURCE FOLDER", "CancelBurn",
// "QuickErase 1", "startBurn") and answers from its public fields: isBurnDriveReady with
// `ready`, startBurn with `refusal`, progress with `shown`.
class ScriptedBurner final : public BurnDesk {
  public:
    void InitializeMe(const std::string& sourceFolder, const std::string& burnFolder) override {
        log.push_back("InitializeMe " + sourceFolder + " " + burnFolder);
    }
    bool isBurnDriveReady() override { return ready; }
    void CancelBurn() override { log.push_back("CancelBurn"); }
    void AbortJob() override { log.push_back("AbortJob"); }
    void OpenTray() override { log.push_back("OpenTray"); }
    void DisableMe() override { log.push_back("DisableMe"); }
    void setQuickErase(bool quick) override { log.push_back("QuickErase " + std::to_string(quick)); }
    void ReInitializeMe() override { log.push_back("ReInitializeMe"); }

    std::vector<BurnTarget> burners() override { return drives; }
    void setTarget(const BurnTarget& chosen) override { target = chosen; }
    void setVolumeLabel(const std::string& chosen) override { label = chosen; }
    void setVerifyAfterBurn(bool chosen) override { verify = chosen; }
    void setSelection(std::vector<std::string> names) override { selection = std::move(names); }
    MediumInfo medium() override { return mediumInfo; }
    std::uint64_t dataSize() const override { return size; }
    StartRefusal startBurn() override {
        log.push_back("startBurn");
        return refusal;
    }
    BurnProgress progress() const override { return shown; }

    bool ready = false;
    std::vector<BurnTarget> drives;
    MediumInfo mediumInfo;
    std::uint64_t size = 0;
    StartRefusal refusal;
    BurnProgress shown;
    BurnTarget target;
    std::string label;
    bool verify = false;
    std::vector<std::string> selection;
    std::vector<std::string> log;
};

}  // namespace quorvex::test
