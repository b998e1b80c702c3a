#pragma once

#include <QDialog>
#include <cstdint>
#include <optional>
#include <string>

#include "SharedState.h"

class QLabel;
class QLineEdit;

namespace quorvex {

// Asks what to do about a destination file that exists already: overwrite it (1), overwrite
// all (10), skip it (2) or skip all (20). Closing without an answer would leave the run to
// overwrite the file, so the window has no close button and Escape does nothing; Enter skips.
class IfFileExist : public QDialog {
    Q_OBJECT

public:
    IfFileExist(const TextTable& texts, const std::string& destination, QWidget* parent = nullptr);

    // The number of the button clicked; nothing while no button was clicked.
    std::optional<std::int16_t> answer() const { return answer_; }

public slots:
    void reject() override;

private:
    void addButton(QLayout& row, const std::string& text, std::int16_t number);

    QLabel* FormPrompt;
    QLineEdit* ExFile;
    std::optional<std::int16_t> answer_;
};

}  // namespace quorvex
