#pragma once

#include <QIcon>
#include <string>
#include <vector>

#include "Shell.h"

namespace quorvex {

// The browser's picture list: the folder picture, the generic file picture, then the system
// icon of one file per extension slot, appended slot by slot and never replaced.
class BrowserPictures {
public:
    explicit BrowserPictures(Shell& shell);

    // Appends the icons of the sources not yet fetched; sources only ever grow.
    void catchUp(const std::vector<std::string>& sources);
    // Picture 1.., as numbered by ExtensionSlots.
    QIcon picture(int number) const;
    QIcon FileIcon(const std::string& path) { return shell_.smallFileIcon(path); }

private:
    Shell& shell_;
    std::vector<QIcon> pictures_;
};

}  // namespace quorvex
