#include "WizardHost.h"

namespace quorvex {

WizardHost::WizardHost(Factory factory) : factory_(std::move(factory)) {}

void WizardHost::createWizard() {
    if (!wizard_) wizard_ = factory_();
}

void WizardHost::showWizard() {
    createWizard();
    wizard_->load();
    wizard_->show();
}

void WizardHost::unloadWizard() {
    createWizard();
    wizard_->close();
    wizard_.reset();
}

}  // namespace quorvex
