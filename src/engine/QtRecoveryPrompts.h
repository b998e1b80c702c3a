#pragma once

#include "RecoveryPrompts.h"
#include "SharedState.h"

class QWidget;

namespace quorvex {

// The run's questions as modal Qt dialogs over the given window, in the texts' language.
class QtRecoveryPrompts final : public RecoveryPrompts {
public:
    explicit QtRecoveryPrompts(const TextTable& texts, QWidget* parent = nullptr);

    void setParent(QWidget* parent) { parent_ = parent; }

    // A window closed by other means than its buttons (the program quitting) skips the file.
    std::int16_t askAboutExistingFile(const std::string& destination) override;
    std::int16_t askToAbort() override;

private:
    const TextTable& texts_;
    QWidget* parent_;
};

}  // namespace quorvex
