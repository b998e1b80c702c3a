#pragma once

#include <string>
#include <vector>

#include "BurnComponent.h"

namespace quorvex::test {

// A burner that writes every call to a log ("InitializeMe SOURCE FOLDER", "CancelBurn",
// "QuickErase 1") and answers isBurnDriveReady with `ready`.
class ScriptedBurner final : public BurnComponent {
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

    bool ready = false;
    std::vector<std::string> log;
};

}  // namespace quorvex::test
