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

char16_t SadeHarf(char16_t kucuk)
{
    if (kucuk < 0x80)
        return kucuk;
    if (kucuk == u'ı')
        return u'i';
    const QChar c(kucuk);
    if (c.decompositionTag() != QChar::Canonical)
        return kucuk;
    const QChar taban = c.decomposition().at(0);
    // A letter may carry two marks (ǖ is ü and a macron): take them off one by one.
    return taban.isLetter() ? SadeHarf(taban.unicode()) : kucuk;
}

QString SadeKatla(const QString& Metin)
{
    QString sonuc = LLCase(Metin);
    for (QChar& c : sonuc)
        c = QChar(SadeHarf(c.unicode()));
    return sonuc;
}
