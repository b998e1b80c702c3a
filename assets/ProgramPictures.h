#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QSize>
#include <cstdint>

namespace quorvex {

// The program's own pictures, drawn as SVG and bundled as Qt resources. Callers ask by meaning;
// nobody else spells a resource path. Pixmaps and images are rendered for the application's
// device pixel ratio (sharp at 200 %), and report their natural size in logical pixels.
class ProgramPictures {
public:
    // The page banner, 600 x 56: the program's name on the left, a help mark on the right; the
    // space between is left for the hint text that BannerBox draws in the current language.
    static constexpr QSize BannerSize{600, 56};
    static constexpr QSize FlagSize{32, 22};
    static constexpr QSize FlagsArrowSize{32, 8};
    static constexpr QSize MenuIconSize{48, 48};
    static constexpr QSize AboutPictureSize{64, 64};
    // Languages 1..4 have a flag: English, Russian, French, Spanish.
    static constexpr int FlagCount = 4;
    // Tasks of the menu: 0 continue the last recovery, 1 recover files, 2 copy a disc and burn
    // it, 3 recover files and burn them, 4 report history.
    static constexpr int MenuTaskCount = 5;

    // Raises RunTimeError (file not found) when the banner cannot be loaded or drawn.
    static QImage bannerImage();

    // flagIndex is the index of the flag control, Flags_0..Flags_3: language number - 1.
    // An index outside 0..3 gives a null pixmap.
    static QPixmap flag(int flagIndex);
    // The marker shown under the chosen flag.
    static QPixmap flagsArrow();

    // The large menu icon of a task (see MenuTaskCount); a null icon outside 0..4.
    static QIcon menuIcon(int task);

    // The picture of the about box (the program's icon) and the program's icon for windows.
    static QPixmap aboutPicture();
    static QIcon programIcon();
};

}  // namespace quorvex
