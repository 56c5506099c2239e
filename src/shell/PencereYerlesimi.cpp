#include "shell/PencereYerlesimi.h"

#include "platform/Twip.h"

#include <algorithm>

namespace PencereYerlesimi {

QPoint BaslangicKonumu(QSize ekran, QSize pencere, std::optional<int> posX, std::optional<int> posY)
{
    int sol = posX.value_or(ekran.width() - pencere.width() - 100);
    int ust = posY.value_or(ekran.height() - pencere.height() - 700);
    sol = std::max(sol, 0);
    ust = std::max(ust, 0);
    if (sol + pencere.width() > ekran.width())
        sol = ekran.width() - pencere.width();
    if (ust + pencere.height() > ekran.height())
        ust = ekran.height() - pencere.height();
    return {sol, ust};
}

KaydirmaAdimi Kaydir(int ust)
{
    const int adim = static_cast<int>(Twip::YuvarlaCift(ust / 5.0));
    if (ust <= 0 || adim == 0)
        return {0, false};
    return {ust - adim, true};
}

} // namespace PencereYerlesimi
