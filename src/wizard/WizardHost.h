#pragma once

#include <functional>
#include <memory>

#include "MainWindowHost.h"
#include "Wizard.h"

namespace quorvex {

// Owns the one main window of the program.
class WizardHost final : public MainWindowHost {
public:
    using Factory = std::function<std::unique_ptr<Wizard>()>;

    explicit WizardHost(Factory factory);

    void createWizard() override;
    void showWizard() override;
    void unloadWizard() override;

    Wizard* wizard() const { return wizard_.get(); }

private:
    Factory factory_;
    std::unique_ptr<Wizard> wizard_;
};

}  // namespace quorvex
