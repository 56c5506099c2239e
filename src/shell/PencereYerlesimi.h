#pragma once

#include <QPoint>
#include <QSize>
#include <optional>

// The main window's placement arithmetic, in twips: the start position from the stored
// "PosX"/"PosY", the size of the rounded window shape and the slide-in of a page.
namespace PencereYerlesimi {

// Start position of a window of `pencere` on a screen of `ekran` (both twips). An absent
// value takes the default: 100 twips from the right edge, 700 twips above the bottom.
// A window that would stick out is moved back inside (EkranIcinde).
QPoint BaslangicKonumu(QSize ekran, QSize pencere, std::optional<int> posX,
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
