#pragma once

#include <string>

namespace quorvex {

// Asks the user for the name of a new folder. The texts shown are UTF-8.
class FolderNamePrompt {
public:
    virtual ~FolderNamePrompt() = default;

    // The name typed, as file-name bytes; "" when the user typed nothing or cancelled.
    virtual std::string askFolderName(const std::string& prompt, const std::string& title) = 0;
};

}  // namespace quorvex
