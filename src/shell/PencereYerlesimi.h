#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <optional>

// The main window's placement arithmetic: the start position from the stored "PosX"/"PosY"
// and the slide-in of a page.
namespace PencereYerlesimi {

// Start position in pixels of a window of `pencere` on a screen of `ekran` whose area left
// free by the desktop's panels is `serbest` (pixels, from the screen's top-left corner), from
// the stored PosX and PosY, which hold twips (15 to a pixel). A stored value is kept, moved
// back onto the screen only where the window would stick out of it. An absent value takes
// the default, 7 pixels (100 twips) from the screen's right edge and 47 (700 twips) above its
// bottom, moved off a panel that would cover the window there (a panel taller than those 47
// pixels, one at the right) to lie against it.
QPoint BaslangicKonumu(QSize ekran, const QRect& serbest, QSize pencere,
                       std::optional<int> posXTwip, std::optional<int> posYTwip);

// One 10 ms step of a page rising into place: the new top, and whether the slide goes on.
// The slide's steps are a fifth of what is left in twips, rounded: kept in twips, as the
// step count (and so the slide's length) follows from that rounding. The last steps round
// to nothing, so the slide then snaps to its place.
struct KaydirmaAdimi
{
    int Ust;
    bool DevamEder;
};
KaydirmaAdimi Kaydir(int ust);

// Start offset of a slide, twips below the resting place.
constexpr int KaydirmaBaslangici = 1000;
// Where the page stands at slide offset `ust`, in pixels below its resting place.
int KaydirmaPikseli(int ust);

} // namespace PencereYerlesimi
