#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <optional>

// The main window's placement arithmetic, in twips: the start position from the stored
// "PosX"/"PosY", the size of the rounded window shape and the slide-in of a page.
namespace PencereYerlesimi {

// Start position of a window of `pencere` on a screen of `ekran` whose area left free by the
// desktop's panels is `serbest` (twips, from the screen's top-left corner). A stored value
// is kept, moved back onto the screen only where the window would stick out of it. An absent
// value takes the default, 100 twips from the screen's right edge and 700 above its bottom,
// moved off a panel that would cover the window there (a panel taller than those 700 twips,
// one at the right) to lie against it.
QPoint BaslangicKonumu(QSize ekran, const QRect& serbest, QSize pencere, std::optional<int> posX,
                       std::optional<int> posY);

// One 10 ms step of a page rising into place: the new top in twips, and whether the
// slide goes on. The last steps round to nothing, so the slide then snaps to its place.
struct KaydirmaAdimi
{
    int Ust;
    bool DevamEder;
};
KaydirmaAdimi Kaydir(int ust);

// Start offset of a slide, twips below the resting place.
constexpr int KaydirmaBaslangici = 1000;

} // namespace PencereYerlesimi
