#include "locations/KonumTamponu.h"

#include "locations/KodSayfasi.h"
#include "locations/LLCase.h"

namespace {

// Each byte's LLCase fold and its plainer fold (its character is KodSayfasi's).
struct KodTablosu
{
    char16_t kucuk[256];
    char16_t sade[256];

    KodTablosu()
    {
        for (int b = 0; b < 256; ++b) {
            const char16_t harf = KodSayfasi::Harf(static_cast<unsigned char>(b));
            const QString k = LLCase(QString(QChar(harf)));
            kucuk[b] = k.size() == 1 ? k.at(0).unicode() : harf;
            sade[b] = SadeHarf(kucuk[b]);
        }
    }
};

const KodTablosu& Tablo()
{
    static const KodTablosu tablo;
    return tablo;
}

QString Cevir(const char* bayt, qsizetype boy, const char16_t (&tablo)[256])
{
    const auto* b = reinterpret_cast<const unsigned char*>(bayt);
    QString metin(boy, Qt::Uninitialized);
    char16_t* h = reinterpret_cast<char16_t*>(metin.data());
    for (qsizetype i = 0; i < boy; ++i)
        h[i] = tablo[b[i]];
    return metin;
}

} // namespace

QString KonumTamponu::Harfler(const char* bayt, qsizetype boy)
{
    return KodSayfasi::Coz(QByteArrayView(bayt, boy));
}

QString KonumTamponu::KucukHarfler(const char* bayt, qsizetype boy)
{
    return Cevir(bayt, boy, Tablo().kucuk);
}

QString KonumTamponu::SadeHarfler(const char* bayt, qsizetype boy)
{
    return Cevir(bayt, boy, Tablo().sade);
}

QStringView KonumTamponu::Kucuk(qsizetype bas, qsizetype boy) const
{
    if (kucuk_.size() != bayt_.size())
        kucuk_ = KucukHarfler(bayt_.constData(), bayt_.size());
    return QStringView(kucuk_).mid(bas, boy);
}

QStringView KonumTamponu::Sade(qsizetype bas, qsizetype boy) const
{
    if (sade_.size() != bayt_.size())
        sade_ = SadeHarfler(bayt_.constData(), bayt_.size());
    return QStringView(sade_).mid(bas, boy);
}
