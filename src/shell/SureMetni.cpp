#include "shell/SureMetni.h"

#include "engine/Yuvarlama.h"
#include <cmath>
#include <cstring>

SureParcalari SureyiBol(double saniye)
{
    // Beyond any real duration (and NaN): nothing sensible to show, and the casts below
    // would be undefined.
    if (!(std::fabs(saniye) < 1e15))
        return {0, 0, 0};
    const double saat = std::floor(saniye / 3600);
    const double kalan = CifteYuvarla(saniye - saat * 3600);
    const double dakika = std::floor(kalan / 60);
    const double sn = CifteYuvarla(kalan - dakika * 60);
    return {static_cast<long long>(saat), static_cast<long long>(dakika),
            static_cast<long long>(sn)};
}

namespace {

// Appends `deger` with at least two digits ("0#"); a minus sign goes before the digits.
int IkiHaneliYaz(long long deger, char16_t* hedef)
{
    char16_t ters[24];
    int n = 0;
    const bool eksi = deger < 0;
    unsigned long long u = eksi ? 0ULL - static_cast<unsigned long long>(deger)
                                : static_cast<unsigned long long>(deger);
    do {
        ters[n++] = static_cast<char16_t>(u'0' + u % 10);
        u /= 10;
    } while (u != 0);
    if (n < 2)
        ters[n++] = u'0';
    int yazilan = 0;
    if (eksi)
        hedef[yazilan++] = u'-';
    while (n > 0)
        hedef[yazilan++] = ters[--n];
    return yazilan;
}

} // namespace

void SureMetniYaz(double saniye, QString& hedef)
{
    const SureParcalari p = SureyiBol(saniye);
    char16_t tampon[80];
    int n = IkiHaneliYaz(p.Saat, tampon);
    tampon[n++] = u':';
    n += IkiHaneliYaz(p.Dakika, tampon + n);
    tampon[n++] = u':';
    n += IkiHaneliYaz(p.Saniye, tampon + n);
    hedef.resize(n);
    std::memcpy(hedef.data(), tampon, sizeof(char16_t) * n);
}

QString SureMetni(double saniye, int bicim)
{
    if (bicim == 0) {
        QString metin;
        SureMetniYaz(saniye, metin);
        return metin;
    }
    if (bicim != 4)
        return {};
    const SureParcalari p = SureyiBol(saniye);
    QString metin;
    if (p.Saat > 0)
        metin += QString::number(p.Saat) + QStringLiteral(" Saat ");
    if (p.Dakika > 0)
        metin += QString::number(p.Dakika) + QStringLiteral(" Dakika ");
    return metin;
}
