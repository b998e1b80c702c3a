#include "BrowserPictures.h"

#include <QApplication>
#include <QStyle>

namespace quorvex {

BrowserPictures::BrowserPictures(Shell& shell) : shell_(shell) {
    pictures_.push_back(QApplication::style()->standardIcon(QStyle::SP_DirIcon));
    pictures_.push_back(QApplication::style()->standardIcon(QStyle::SP_FileIcon));
}

void BrowserPictures::catchUp(const std::vector<std::string>& sources) {
    constexpr std::size_t kFixedPictures = 2;
    while (pictures_.size() < sources.size() + kFixedPictures) {
        QIcon icon = FileIcon(sources[pictures_.size() - kFixedPictures]);
        pictures_.push_back(icon.isNull() ? pictures_[1] : icon);
    }
}

QIcon BrowserPictures::picture(int number) const {
    if (number < 1 || static_cast<std::size_t>(number) > pictures_.size()) return {};
    return pictures_[static_cast<std::size_t>(number - 1)];
}

}  // namespace quorvex
