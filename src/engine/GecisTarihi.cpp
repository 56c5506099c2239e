#include "engine/GecisTarihi.h"

QDate GecisTarihi(const GecisKurali& kural, int yil)
{
    if (kural.Sira < 1 || kural.Sira > 5 || kural.HaftaGunu < 0 || kural.HaftaGunu > 6)
        return {};
    const QDate ilk(yil, kural.Ay, 1);
    if (!ilk.isValid())
        return {};

    if (kural.Sira == 5) {
        // Back from the last day of the month to the rule's weekday.
        const QDate son(yil, kural.Ay, ilk.daysInMonth());
        const int w = son.dayOfWeek() % 7 + 1; // 1 = Sunday .. 7 = Saturday
        return son.addDays(-((w - 1 - kural.HaftaGunu + 7) % 7));
    }
    const int ilkGunu = ilk.dayOfWeek() % 7; // 0 = Sunday
    const int gun = 1 + (kural.HaftaGunu - ilkGunu + 7) % 7 + 7 * (kural.Sira - 1);
    return QDate(yil, kural.Ay, gun);
}
