#include "shell/gui/DugmeResimleri.h"

#include "controls/gui/Buton.h"
#include "controls/gui/KaydirmaCubugu.h"
#include "platform/gui/SkinResmi.h"

#include <QFont>
#include <QPointer>

#include <vector>

namespace {

struct BekleyenDugme
{
    QPointer<Buton> Dugme;
    QString Ad;
    int TakimSayisi;
};

// Buttons whose pressed and pointer-over pictures are still to be decoded (GUI thread only).
std::vector<BekleyenDugme>& Bekleyenler()
{
    static std::vector<BekleyenDugme> liste;
    return liste;
}

// The skin's picture of set `takim` in a state: "ad_normal", then "ad_2_normal", "ad_3_down"...
QPixmap Resim(const QString& ad, int takim, const char* durum)
{
    const QString takimEki = takim ? QStringLiteral("_%1").arg(takim + 1) : QString();
    return SkinResmi::yukle(ad + takimEki + u'_' + QLatin1String(durum));
}

} // namespace

void DugmeResimleri::Yukle(Buton& d, const QString& ad, int takimSayisi)
{
    for (int t = 0; t < takimSayisi; ++t)
        d.setResim(t, Buton::Normal, Resim(ad, t, "normal"));
    Bekleyenler().push_back({&d, ad, takimSayisi});
    d.setButtonEvents(0);
    d.setOtoEventChange(false);
}

void DugmeResimleri::Tamamla()
{
    // Taken out first: a button made while this runs waits for the next call.
    std::vector<BekleyenDugme> liste;
    liste.swap(Bekleyenler());
    for (const BekleyenDugme& b : liste) {
        Buton* d = b.Dugme.data();
        for (int t = 0; d && t < b.TakimSayisi; ++t) {
            d->setResim(t, Buton::Down, Resim(b.Ad, t, "down"));
            d->setResim(t, Buton::Over, Resim(b.Ad, t, "over"));
        }
    }
}

void DugmeResimleri::Yazili(Buton& d, const QString& ad, const QString& metin)
{
    Yukle(d, ad);
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(12);
    f.setBold(true);
    d.setFont(f);
    d.setForeColor(QColor(64, 64, 64));
    d.setText(metin);
    d.resize(72, 22);
}

void DugmeResimleri::Kaydirma(KaydirmaCubugu& cubuk)
{
    const auto r = [](const char* ad) { return SkinResmi::yukle(QString::fromLatin1(ad)); };
    KaydirmaResimleri k;
    const char* durumlar[] = {"normal", "over", "down"};
    for (int i = 0; i < 3; ++i) {
        k.Yukari[i] = r(QByteArray("scroll_yukari_").append(durumlar[i]).constData());
        k.Asagi[i] = r(QByteArray("scroll_asagi_").append(durumlar[i]).constData());
        k.Tutamak[i] = r(QByteArray("scroll_tutamak_").append(durumlar[i]).constData());
    }
    k.Iz = r("scroll_iz");
    cubuk.setResimler(k);
}
