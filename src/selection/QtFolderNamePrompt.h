#pragma once

#include "FolderNamePrompt.h"

class QWidget;

namespace quorvex {

// The new-folder name asked in QInputDialog over the given window.
class QtFolderNamePrompt final : public FolderNamePrompt {
public:
    explicit QtFolderNamePrompt(QWidget* parent = nullptr) : parent_(parent) {}

    std::string askFolderName(const std::string& prompt, const std::string& title) override;

private:
    QWidget* parent_;
};

}  // namespace quorvex
