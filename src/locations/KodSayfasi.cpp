#include "locations/KodSayfasi.h"

#include <array>

namespace {

// 0x80..0x9F; the rest is Latin-1 but for the six Turkish letters.
constexpr char16_t Ust80[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x008E, 0x008F,
                                0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x009E, 0x0178};

constexpr std::array<char16_t, 256> Tablo()
{
    std::array<char16_t, 256> t{};
    for (int b = 0; b < 256; ++b)
        t[std::size_t(b)] = char16_t(b);
    for (int b = 0; b < 32; ++b)
        t[std::size_t(0x80 + b)] = Ust80[b];
    t[0xD0] = u'Ğ';
    t[0xDD] = u'İ';
    t[0xDE] = u'Ş';
    t[0xF0] = u'ğ';
    t[0xFD] = u'ı';
    t[0xFE] = u'ş';
    return t;
}

constexpr std::array<char16_t, 256> Harfler = Tablo();

} // namespace

namespace KodSayfasi {

QString Coz(QByteArrayView bayt)
{
    QString metin(bayt.size(), Qt::Uninitialized);
    char16_t* h = reinterpret_cast<char16_t*>(metin.data());
    for (qsizetype i = 0; i < bayt.size(); ++i)
        h[i] = Harfler[static_cast<unsigned char>(bayt[i])];
    return metin;
}

bool Kodla(QStringView metin, QByteArray& bayt)
{
    bool tamam = true;
    bayt.resize(metin.size());
    for (qsizetype i = 0; i < metin.size(); ++i) {
        const char16_t c = metin[i].unicode();
        int b = c < 0x100 && Harfler[c] == c ? c : -1;
        for (int k = 0x80; k < 0x100 && b < 0; ++k)
            if (Harfler[std::size_t(k)] == c)
                b = k;
        if (b < 0) {
            tamam = false;
            b = '?';
        }
        bayt[i] = char(b);
    }
    return tamam;
}

} // namespace KodSayfasi
