#include "platform/gui/YuvarlakSekil.h"

#include <QRect>

#include <algorithm>
#include <cmath>

QRegion YuvarlakSekil(QSize boyut)
{
    constexpr double r = 4.5; // the ellipse's half axes
    const int w = boyut.width();
    const int h = boyut.height();
    QRegion bolge;
    for (int y = 0; y < h; ++y) {
        // Distance of the row's middle into the corner band, from the nearer edge.
        const double dy = std::max({r - (y + 0.5), (y + 0.5) - (h - r), 0.0});
        // Pixels whose centre lies outside the ellipse at this height, on each side.
        const double disari = dy > 0 ? r - std::sqrt(std::max(0.0, r * r - dy * dy)) : 0;
        const int kes = std::max(0, int(std::ceil(disari - 0.5)));
        if (w > 2 * kes)
            bolge += QRect(kes, y, w - 2 * kes, 1);
    }
    return bolge;
}
