#pragma once

#include <string>

namespace quorvex {

// Asks the user where to save a file. The program asks through a file dialog; tests answer.
class SaveFileNames {
  public:
    virtual ~SaveFileNames() = default;

    // The chosen file name, or empty when the user cancelled. `filter` names the file kind in
    // the dialog's form, e.g. "Text (*.txt)".
    virtual std::string askSaveName(const std::string& caption, const std::string& suggested,
                                    const std::string& filter) = 0;
};

}  // namespace quorvex
