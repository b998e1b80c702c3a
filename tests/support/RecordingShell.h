#pragma once

#include <string>
#include <vector>

#include "Shell.h"

namespace quorvex::test {

// Opens the web addresses it is given into a list, or refuses them.
class RecordingShell final : public Shell {
public:
    bool openWebAddress(const std::string& address) override {
        opened.push_back(address);
        return accepts;
    }
    QIcon smallFileIcon(const std::string&) override { return {}; }

    std::vector<std::string> opened;
    bool accepts = true;
};

}  // namespace quorvex::test
