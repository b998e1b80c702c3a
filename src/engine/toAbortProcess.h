#pragma once

#include <QDialog>
#include <cstdint>
#include <string>

#include "SharedState.h"

class QLabel;
class QLayout;

namespace quorvex {

// Asks how to stop a running recovery: go on (0), pause (1), skip this file (2) or abort (3).
// Closing the window, Escape and Enter all mean go on.
class toAbortProcess : public QDialog {
    Q_OBJECT

public:
    explicit toAbortProcess(const TextTable& texts, QWidget* parent = nullptr);

    std::int16_t answer() const { return answer_; }

private:
    void addButton(QLayout& row, const std::string& text, std::int16_t number);

    QLabel* Question;
    std::int16_t answer_ = 0;
};

}  // namespace quorvex
