#pragma once

#include <QIcon>
#include <string>

namespace quorvex {

// What the program asks of the desktop: open a web address, and the small icon of a file.
class Shell {
public:
    virtual ~Shell() = default;

    // Hands the address to the desktop's URL opener without waiting; false when it refused.
    virtual bool openWebAddress(const std::string& address) = 0;
    virtual QIcon smallFileIcon(const std::string& path) = 0;
};

}  // namespace quorvex
