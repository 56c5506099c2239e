#include "locations/SeciliKonum.h"

#include "engine/VakitGirdisi.h"
#include "locations/KonumKaydi.h"
#include "platform/AyarDeposu.h"

#include <optional>

SeciliKonum SeciliKonum::Kayittan(const KonumKaydi& k)
{
    return {static_cast<qint16>(k.Id), k.Ulke, k.Sehir, k.Tz, k.Enlem, k.Boylam};
}

SeciliKonum SeciliKonum::Oku(const AyarDeposu& depo, QString* hata)
{
    SeciliKonum k;
    QString bozuk;
    // A number key: empty or absent keeps the default; otherwise it must read and be in range.
    auto sayi = [&](const char* ad, double& deger, bool (*gecerli)(double)) {
        const QString metin = depo.Oku(QString::fromLatin1(ad), QString()).trimmed();
        if (metin.isEmpty() || !bozuk.isEmpty())
            return;
        const std::optional<double> d = AyarDeposu::SayiCoz(metin);
        if (d && gecerli(*d))
            deger = *d;
        else
            bozuk = QStringLiteral("%1 = %2").arg(QLatin1String(ad), metin);
    };
    double index = k.Id;
    sayi("bIndex", index, [](double d) { return d == qint16(d); });
    sayi("bTz", k.Tz, &VakitGirdisi::TzGecerli);
    sayi("bEnlem", k.Enlem, &VakitGirdisi::EnlemGecerli);
    sayi("bBoylam", k.Boylam, &VakitGirdisi::BoylamGecerli);
    if (!bozuk.isEmpty()) {
        if (hata)
            *hata = bozuk;
        return {};
    }
    k.Id = static_cast<qint16>(index);
    k.Ulke = depo.Oku(QStringLiteral("bUlke"), k.Ulke);
    k.Sehir = depo.Oku(QStringLiteral("bSehir"), k.Sehir);
    return k;
}

void SeciliKonum::Doldur(VakitGirdisi& g) const
{
    g.Enlem = Enlem;
    g.Boylam = Boylam;
    g.Tz = Tz;
    g.Ulke = Ulke;
}

Sonuc<> SeciliKonum::Yaz(AyarDeposu& depo) const
{
    return depo.Yaz({{QStringLiteral("bIndex"), QString::number(Id)},
                     {QStringLiteral("bUlke"), Ulke},
                     {QStringLiteral("bSehir"), Sehir},
                     {QStringLiteral("bTz"), AyarDeposu::SayiMetni(Tz)},
                     {QStringLiteral("bEnlem"), AyarDeposu::SayiMetni(Enlem)},
                     {QStringLiteral("bBoylam"), AyarDeposu::SayiMetni(Boylam)}});
}
