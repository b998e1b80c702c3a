#pragma once

#include <QFileIconProvider>

#include "Shell.h"

namespace quorvex {

// Web addresses go to QDesktopServices, never through a command line; icons come from the
// desktop's icon theme.
class DesktopShell final : public Shell {
public:
    bool openWebAddress(const std::string& address) override;
    QIcon smallFileIcon(const std::string& path) override;

private:
    QFileIconProvider icons_;
};

}  // namespace quorvex
