#pragma once

#include <QRect>

// Moves a window's rectangle the least distance that puts it whole inside the screen's area.
// A window larger than the area keeps its top-left corner in view (its title and menu).
QRect EkranIcinde(QRect pencere, const QRect& alan);
