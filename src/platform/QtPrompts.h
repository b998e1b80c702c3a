#pragma once

#include "Prompts.h"

class QWidget;

namespace quorvex {

// Message boxes shown with QMessageBox over the given parent window.
class QtPrompts final : public Prompts {
public:
    explicit QtPrompts(QWidget* parent = nullptr);

    void setParent(QWidget* parent) { parent_ = parent; }

    PromptAnswer messageBox(PromptIcon icon, PromptButtons buttons, const std::string& caption,
                            const std::string& text) override;

private:
    QWidget* parent_;
};

}  // namespace quorvex
