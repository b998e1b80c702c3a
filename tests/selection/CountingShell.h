#pragma once

#include <QPixmap>
#include <vector>

#include "Shell.h"

namespace quorvex::test {

// Gives every call an icon of its own and remembers which files' icons were asked for.
class CountingShell final : public Shell {
public:
    bool openWebAddress(const std::string&) override { return false; }
    QIcon smallFileIcon(const std::string& path) override {
        asked.push_back(path);
        QPixmap picture(16, 16);
        picture.fill(QColor::fromHsv(static_cast<int>(asked.size() * 40 % 360), 200, 200));
        return QIcon(picture);
    }

    std::vector<std::string> asked;
};

}  // namespace quorvex::test
