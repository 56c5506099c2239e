#include "platform/SistemYazSaati.h"

#include <QDateTime>
#include <QTimeZone>

std::pair<QDate, QDate> SistemYazSaati::Gecisler(int yil) const
{
    // A new object each time: systemTimeZone() reads TZ again, so a changed zone is seen.
    const QTimeZone bolge = QTimeZone::systemTimeZone();
    if (!bolge.isValid() || !bolge.hasDaylightTime() || !bolge.hasTransitions())
        return {};

    // The year in UTC widened by a day each side, so that transitions near midnight of
    // 1 January in far-off zones are not missed; their local date decides the year.
    const QDateTime bas(QDate(yil, 1, 1).addDays(-1), QTime(0, 0), Qt::UTC);
    const QDateTime son(QDate(yil + 1, 1, 1).addDays(1), QTime(0, 0), Qt::UTC);

    QDate baslangic;
    QDate bitis;
    bool yazda = bolge.isDaylightTime(bas);
    for (const QTimeZone::OffsetData& g : bolge.transitions(bas, son)) {
        const bool simdiYazda = g.daylightTimeOffset > 0;
        // The local day after the change (the clock then shows the new offset). A change of
        // the standard offset alone is no boundary.
        const QDate gun = g.atUtc.addSecs(g.offsetFromUtc).date();
        if (gun.year() == yil) {
            if (simdiYazda && !yazda && !baslangic.isValid())
                baslangic = gun;
            else if (!simdiYazda && yazda && !bitis.isValid())
                bitis = gun;
        }
        yazda = simdiYazda;
    }
    if (!baslangic.isValid() && !bitis.isValid())
        return {};

    // A year in which the rule began or ended: summer time runs from the year start, or to
    // the year end, on the side that has no transition.
    if (!baslangic.isValid())
        baslangic = QDate(yil, 1, 1);
    if (!bitis.isValid())
        bitis = QDate(yil + 1, 1, 1);
    return {baslangic, bitis};
}
