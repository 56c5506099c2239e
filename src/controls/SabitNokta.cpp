#include "controls/SabitNokta.h"

#include "engine/Yuvarlama.h"

SabitNokta SabitNokta::fromDouble(double deger)
{
    return Ham(static_cast<qint64>(CifteYuvarla(deger * Olcek)));
}

qint64 SabitNokta::Tamsayi() const
{
    qint64 bolum = ham_ / Olcek;
    if (ham_ % Olcek != 0 && ham_ < 0)
        --bolum;
    return bolum;
}

QString SabitNokta::toString() const
{
    const qint64 mutlak = ham_ < 0 ? -ham_ : ham_;
    QString metin = QString::number(mutlak / Olcek);
    if (qint64 kesir = mutlak % Olcek) {
        QString basamaklar = QString::number(kesir).rightJustified(4, QLatin1Char('0'));
        while (basamaklar.endsWith(QLatin1Char('0')))
            basamaklar.chop(1);
        metin += QLatin1Char('.') + basamaklar;
    }
    return ham_ < 0 ? QLatin1Char('-') + metin : metin;
}
