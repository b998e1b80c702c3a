#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace quorvex {

// Which picture of the browser's picture list stands for a file-name extension. Picture 1 is
// the folder picture, picture 2 the generic file picture shared by files without an extension
// and by every extension that finds no free slot; pictures 3..capacity are given to
// extensions in the order they are met and are never given back.
class ExtensionSlots {
public:
    static constexpr int FolderPicture = 1;
    static constexpr int GenericPicture = 2;
    static constexpr std::size_t DefaultCapacity = 1000;

    struct Slot {
        int picture = GenericPicture;
        // True when this call gave the extension its slot, so its picture must be appended.
        bool added = false;
    };

    explicit ExtensionSlots(std::size_t capacity = DefaultCapacity);

    // The extension of a file name in lower case: the text after its last "."; "" for none.
    static std::string extensionOf(const std::string& fileName);
    Slot slotFor(const std::string& extension);

private:
    std::size_t capacity_;
    // Extension of picture 3, 4, ...
    std::vector<std::string> extensions_;
};

}  // namespace quorvex
