#pragma once

#include "SaveFileNames.h"

class QWidget;

namespace quorvex {

// The save question as the desktop's file dialog.
class QtSaveFileNames final : public SaveFileNames {
  public:
    explicit QtSaveFileNames(QWidget* parent = nullptr) : parent_(parent) {}

    std::string askSaveName(const std::string& caption, const std::string& suggested,
                            const std::string& filter) override;

  private:
    QWidget* parent_;
};

}  // namespace quorvex
