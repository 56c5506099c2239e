#include "cli/KonumArama.h"

#include "cli/Cikis.h"
#include "locations/KonumEkleme.h"

#include <QDir>

namespace KonumArama {

namespace {

QString DosyaMetni(KonumDosyasiNedeni sonuc, const KonumDosyasi& dosya)
{
    const bool yazma = sonuc == KonumDosyasiNedeni::Yazilamadi ||
                       sonuc == KonumDosyasiNedeni::SaltOkunur ||
                       sonuc == KonumDosyasiNedeni::Kilitli;
    const QString ad = QDir::toNativeSeparators(yazma ? dosya.Yol() : dosya.OkunanYol());
    switch (sonuc) {
    case KonumDosyasiNedeni::DosyaYok:
        return QStringLiteral("Konum dosyası bulunamadı: %1").arg(ad);
    case KonumDosyasiNedeni::Okunamadi:
        return QStringLiteral("Konum dosyası okunamadı: %1").arg(ad);
    case KonumDosyasiNedeni::DosyaDegil:
        return QStringLiteral("Konum dosyası düzenli bir dosya değil: %1").arg(ad);
    case KonumDosyasiNedeni::CokBuyuk:
        return QStringLiteral("Konum dosyası çok büyük (en çok %1 MiB): %2")
            .arg(KonumDosyasi::EnBuyukBoyut / (1024 * 1024))
            .arg(ad);
    case KonumDosyasiNedeni::SaltOkunur:
        return QStringLiteral("Konum dosyası salt okunur; bir şey eklenmedi: %1").arg(ad);
    case KonumDosyasiNedeni::Kilitli:
        return QStringLiteral("Konum dosyasına başka bir işlem yazıyor; biraz sonra yeniden "
                              "deneyin: %1")
            .arg(ad);
    case KonumDosyasiNedeni::GecersizAd:
        return QString::fromUtf8(GecersizAdMesaji.Metin);
    default:
        return QStringLiteral("Konum dosyasına yazılamadı, dosyanın önceki hali korundu: %1")
            .arg(ad);
    }
}

} // namespace

Hata DosyaHatasi(const Hata& hata, const KonumDosyasi& dosya)
{
    if (hata.Neden == KonumEkleme::GirdiReddi)
        return hata;
    return {DosyaMetni(KonumDosyasiNedeni(hata.Neden), dosya), {}, Cikis::HataliGirdi};
}

void AtlananlariBildir(const QVector<int>& satirlar, const QString& yol, QTextStream& err)
{
    if (satirlar.isEmpty())
        return;
    QStringList numaralar;
    for (int n : satirlar)
        numaralar << QString::number(n);
    err << "orvanel-cli: " << QDir::toNativeSeparators(yol)
        << ": okunamayan satırlar atlandı: " << numaralar.join(QStringLiteral(", ")) << '\n';
    err.flush();
}

QString BulunamadiMesaji(const QString& metin)
{
    return QStringLiteral("\"%1\" için konum bulunamadı.").arg(metin);
}

Sonuc<> Oku(KonumDosyasi dosya, KonumSatirlari& liste, QTextStream& err, QVector<int>* atlananlar)
{
    const QString yol = dosya.OkunanYol();
    QVector<KonumKaydi> kayitlar;
    if (Sonuc<> okunan = dosya.DosyadanOku(kayitlar); !okunan)
        return DosyaHatasi(okunan.Hatasi(), dosya);
    liste = KonumSatirlari(std::move(kayitlar));
    AtlananlariBildir(dosya.AtlananSatirlar(), yol, err);
    if (atlananlar)
        *atlananlar = dosya.AtlananSatirlar();
    return {};
}

Sonuc<Bulunan> Bul(const QString& metin, const KonumDosyasi& dosya, QTextStream& err)
{
    KonumSatirlari liste;
    QVector<int> atlananlar;
    if (Sonuc<> okunan = Oku(dosya, liste, err, &atlananlar); !okunan)
        return okunan.Hatasi();
    const int satir = liste.AramaKutusuBul(metin);
    if (satir < 0)
        return Hata{BulunamadiMesaji(metin), {}, Cikis::Bulunamadi};
    Bulunan bulunan;
    bulunan.Kayit = liste.at(satir);
    // The row's line: its position from 1, and one more for each unreadable line before it.
    bulunan.Satir = satir + 1;
    for (int atlanan : atlananlar)
        if (atlanan <= bulunan.Satir)
            ++bulunan.Satir;
    return bulunan;
}

} // namespace KonumArama
