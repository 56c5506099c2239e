#include "shell/PencereYerlesimi.h"

#include "platform/EkranIcinde.h"
#include "platform/Twip.h"

namespace PencereYerlesimi {

QPoint BaslangicKonumu(QSize ekran, const QRect& serbest, QSize pencere,
                       std::optional<int> posXTwip, std::optional<int> posYTwip)
{
    const std::optional<int> posX =
        posXTwip ? std::optional(Twip::PikselX(*posXTwip)) : std::nullopt;
    const std::optional<int> posY =
        posYTwip ? std::optional(Twip::PikselY(*posYTwip)) : std::nullopt;
    const QPoint kayitli(posX.value_or(ekran.width() - pencere.width() - Twip::PikselX(100)),
                         posY.value_or(ekran.height() - pencere.height() - Twip::PikselY(700)));
    QPoint konum = EkranIcinde(QRect(kayitli, pencere), QRect(QPoint(), ekran)).topLeft();
    // Each edge moves on its own: the default one clear of the panels, the stored one stays.
    const QPoint panelsiz = EkranIcinde(QRect(konum, pencere), serbest).topLeft();
    if (!posX)
        konum.setX(panelsiz.x());
    if (!posY)
        konum.setY(panelsiz.y());
    return konum;
}

int KaydirmaPikseli(int ust)
{
    return Twip::PikselY(ust);
}

KaydirmaAdimi Kaydir(int ust)
{
    const int adim = static_cast<int>(CifteYuvarla(ust / 5.0));
    if (ust <= 0 || adim == 0)
        return {0, false};
    return {ust - adim, true};
}

} // namespace PencereYerlesimi
