#include "locations/LLCase.h"

QString LLCase(const QString& Metin)
{
    // The two Turkish replacements first; then Unicode lower-casing. Both steps leave the
    // string shared when nothing changes, so already folded text costs no allocation.
    const QChar buyukNoktaliI(0x0130);
    if (!Metin.contains(buyukNoktaliI) && !Metin.contains(QLatin1Char('I')))
        return Metin.toLower();
    QString sonuc = Metin;
    sonuc.replace(buyukNoktaliI, QLatin1Char('i'));
    sonuc.replace(QLatin1Char('I'), QChar(0x0131));
    return std::move(sonuc).toLower();
}
