#include "ExtensionSlots.h"

#include <algorithm>

namespace quorvex {

namespace {

constexpr int kFirstExtensionPicture = ExtensionSlots::GenericPicture + 1;

char lowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

ExtensionSlots::ExtensionSlots(std::size_t capacity) : capacity_(capacity) {}

std::string ExtensionSlots::extensionOf(const std::string& fileName) {
    const std::size_t dot = fileName.rfind('.');
    if (dot == std::string::npos) return {};
    std::string extension = fileName.substr(dot + 1);
    std::transform(extension.begin(), extension.end(), extension.begin(), lowerAscii);
    return extension;
}

ExtensionSlots::Slot ExtensionSlots::slotFor(const std::string& extension) {
    if (extension.empty()) return {};
    const auto found = std::find(extensions_.begin(), extensions_.end(), extension);
    const int index = static_cast<int>(found - extensions_.begin());
    if (found != extensions_.end()) return {kFirstExtensionPicture + index, false};
    if (extensions_.size() + kFirstExtensionPicture > capacity_) return {};
    extensions_.push_back(extension);
    return {kFirstExtensionPicture + index, true};
}

}  // namespace quorvex
